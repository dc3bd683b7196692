// ScopedGuiApplication: a QApplication for the length of one call when the host has none.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QApplication;

namespace tolva {

// Who a program's windows say they are. Only a program gives one (the component called by a host
// never does): the desktop names its windows after the entry whose base name is sName.
struct ProgramIdentity {
    QString sName;       // argv[0], application name, desktop file name and the icon theme's name
    QString sIconDatei;  // the icon when the theme has none of that name (a file or resource)
};

// Where a QApplication made by the guard shows its windows.
enum class GuiPlatform {
    Screen,               // the process's display; the guard fails when there is none
    OffscreenIfHeadless,  // the display, or Qt's offscreen platform when there is none
    Offscreen,            // always Qt's offscreen platform (pictures of windows)
};

// When no application object exists, makes a QApplication and destroys it again at the end of
// the scope. Without a display Qt would end the process, so the guard fails instead unless it
// may go offscreen. A host that made a QCoreApplication without widgets cannot show windows:
// the guard fails then, too.
// An application the guard makes carries programm's names and icon (programm is read in the
// constructor only); without one it carries the process's own name (argv[0] of the process), as
// if the host had made it, and no desktop file name. An application that exists already is never
// renamed.
class ScopedGuiApplication {
  public:
    explicit ScopedGuiApplication(GuiPlatform platform, const ProgramIdentity* programm = nullptr);
    ~ScopedGuiApplication();
    ScopedGuiApplication(const ScopedGuiApplication&) = delete;
    ScopedGuiApplication& operator=(const ScopedGuiApplication&) = delete;

    // Whether a QApplication is there for the scope.
    bool ok() const { return ok_; }
    // Why not, for a message: in the language whose translations the application holds when
    // asked.
    QString Fehler() const;
    // Whether windows appear on a real screen (not the offscreen or minimal platform).
    static bool RealScreen();

  private:
    // What the application made here was given as its command line; it outlives own_.
    QByteArray argv0_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> own_;
    bool ok_ = false;
    const char* fehler_ = nullptr;  // a text of the translation, or none
};

// Qt's message boxes for the length of the scope, when nobody installed a presenter (the
// terminal one would answer every question with its default) and windows appear on a real
// screen. A host's or a test's presenter stays.
class ScopedScreenMessageBoxes {
  public:
    ScopedScreenMessageBoxes();
    ~ScopedScreenMessageBoxes();
    ScopedScreenMessageBoxes(const ScopedScreenMessageBoxes&) = delete;
    ScopedScreenMessageBoxes& operator=(const ScopedScreenMessageBoxes&) = delete;

  private:
    bool installed_ = false;
};

}  // namespace tolva
