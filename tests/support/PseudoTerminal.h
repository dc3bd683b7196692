// A pseudo-terminal that a program started by RunProgram takes as its controlling terminal:
// the test reads what the program writes there and types what a person would type.
#pragma once

#include <QByteArray>

#include <functional>

namespace tolva::test {

class PseudoTerminal {
  public:
    // Opens the pair; a failure fails the test (Ok() then says false).
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ok() const { return lMaster_ >= 0; }
    // For RunProgram's modifier: the child gets a session of its own with this terminal as its
    // controlling terminal; with bStderr its standard error goes to the terminal as well.
    std::function<void()> Controlling(bool bStderr = false) const;
    // Everything the program wrote to the terminal so far, waiting until it holds sEnde (empty:
    // for all of lWarteMs) or lWarteMs have passed.
    QByteArray ReadUntil(const QByteArray& sEnde, int lWarteMs);
    // Types text as from the keyboard (a "\x03" is Ctrl-C).
    void Type(const QByteArray& text);
    // Whether the terminal shows what is typed (its ECHO mode).
    bool Echoes() const;

  private:
    int lMaster_ = -1;
    int lSlave_ = -1;
    QByteArray gelesen_;
};

}  // namespace tolva::test
