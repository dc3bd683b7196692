// The window library of the program, loaded when a command shows a window, and the core
// application that the terminal's texts need while no window shows.
#pragma once

#include "common/Result.h"
#include "text/Language.h"
#include "window/WindowApi.h"

#include <QCoreApplication>

#include <memory>

namespace tolva {

// Loads the public library (found through the program's run path) once and returns
// its commands, whose windows carry the program's name and icon; fails with a German message
// that names what is missing. Each command of the table ends the TerminalApplication (if one
// is alive) for its length, since it makes a QApplication of its own and a process has one
// application at a time, and makes it again before it returns.
Result<const WindowApi*> LoadWindowApi();

// The program's core application with the translations of its language, so that what the
// terminal shows is in that language; at most one at a time. argc and argv must outlive it.
class TerminalApplication {
  public:
    TerminalApplication(int& argc, char** argv, Sprache sprache);
    ~TerminalApplication();
    TerminalApplication(const TerminalApplication&) = delete;
    TerminalApplication& operator=(const TerminalApplication&) = delete;

    // Ends the application (the translations first) or makes it again; a no-op when it is
    // already so.
    void Stop();
    void Start();

  private:
    int& argc_;
    char** argv_;
    Sprache sprache_;
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<ScopedLanguage> uebersetzung_;
};

}  // namespace tolva
