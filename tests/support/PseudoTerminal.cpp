// The pseudo-terminal of a program under test.
#include "PseudoTerminal.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace tolva::test {

PseudoTerminal::PseudoTerminal() {
    if (::openpty(&lMaster_, &lSlave_, nullptr, nullptr, nullptr) != 0) {
        ADD_FAILURE() << "openpty failed";
        lMaster_ = lSlave_ = -1;
        return;
    }
    ::fcntl(lMaster_, F_SETFD, FD_CLOEXEC);
    ::fcntl(lSlave_, F_SETFD, FD_CLOEXEC);
}

PseudoTerminal::~PseudoTerminal() {
    if (lSlave_ >= 0) ::close(lSlave_);
    if (lMaster_ >= 0) ::close(lMaster_);
}

std::function<void()> PseudoTerminal::Controlling(bool bStderr) const {
    const int lSlave = lSlave_;
    return [lSlave, bStderr] {
        ::setsid();
        ::ioctl(lSlave, TIOCSCTTY, 0);
        if (bStderr) ::dup2(lSlave, STDERR_FILENO);
    };
}

QByteArray PseudoTerminal::ReadUntil(const QByteArray& sEnde, int lWarteMs) {
    QElapsedTimer uhr;
    uhr.start();
    while (!(!sEnde.isEmpty() && gelesen_.contains(sEnde)) && uhr.elapsed() < lWarteMs) {
        pollfd p{lMaster_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        char puffer[4096];
        const ssize_t n = ::read(lMaster_, puffer, sizeof puffer);
        if (n > 0) gelesen_.append(puffer, n);
    }
    return gelesen_;
}

void PseudoTerminal::Type(const QByteArray& text) {
    ASSERT_EQ(::write(lMaster_, text.constData(), size_t(text.size())), text.size());
}

bool PseudoTerminal::Echoes() const {
    termios modus{};
    return ::tcgetattr(lMaster_, &modus) == 0 && (modus.c_lflag & ECHO) != 0;
}

}  // namespace tolva::test
