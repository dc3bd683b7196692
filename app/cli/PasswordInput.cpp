// The archive password from the options, standard input, a file or the terminal.
#include "cli/PasswordInput.h"

#include "cli/Commands.h"

#include "browse/BrowseFile.h"
#include "files/FileSystem.h"
#include "files/FirstLine.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <csignal>

namespace tolva {
namespace {

constexpr int kSignale[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The terminal whose echo is off, for the handlers that put it back when a signal ends the
// process while it asks.
int lStummesTerminal = -1;
struct termios stummVorher {};

extern "C" void RestoreEchoAndEnd(int lSignal) {
    ::tcsetattr(lStummesTerminal, TCSANOW, &stummVorher);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(lSignal, &standard, nullptr);
    ::raise(lSignal);  // delivered when the handler returns: the process ends as it would have
}

// The controlling terminal, opened for one or more questions; its mode and the handlers of
// the signals are put back when it goes.
class QuietTerminal {
  public:
    QuietTerminal() : fd_(Files().Open("/dev/tty", O_RDWR | O_CLOEXEC, 0)) {}
    ~QuietTerminal() {
        if (bStumm_) {
            ::tcsetattr(fd_, TCSADRAIN, &stummVorher);
            for (size_t i = 0; i < std::size(kSignale); ++i)
                ::sigaction(kSignale[i], &vorher_[i], nullptr);
            lStummesTerminal = -1;
        }
        if (fd_ >= 0) Files().Close(fd_);
    }
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

    bool Open() const { return fd_ >= 0; }

    // Precondition: Open().
    Result<QString> Ask(const QString& sFrage) {
        if (Status s = EchoOff(); !s.ok()) return s.error();
        const QByteArray frage = sFrage.toUtf8();
        if (Files().Write(fd_, frage.constData(), size_t(frage.size())) < 0)
            return Error{QCoreApplication::translate("PasswordInput",
                                                     "Das Terminal kann nicht beschrieben werden."),
                         1};
        const Result<QByteArray> zeile =
            ReadFirstLineOf(fd_, QCoreApplication::translate("PasswordInput", "dem Terminal"));
        // The Enter key was not shown either.
        (void)Files().Write(fd_, "\n", 1);
        if (!zeile.ok()) return Error{zeile.error().description, 1};
        return QString::fromUtf8(zeile.value());
    }

  private:
    Status EchoOff() {
        if (bStumm_) return Status::Ok();
        struct termios modus {};
        if (::tcgetattr(fd_, &modus) != 0) return Status::Fail(NoTerminalText(), 1);
        stummVorher = modus;
        lStummesTerminal = fd_;
        struct sigaction neu {};
        neu.sa_handler = RestoreEchoAndEnd;
        sigemptyset(&neu.sa_mask);
        for (size_t i = 0; i < std::size(kSignale); ++i)
            ::sigaction(kSignale[i], &neu, &vorher_[i]);
        bStumm_ = true;
        modus.c_lflag &= ~tcflag_t(ECHO | ECHOE | ECHOK | ECHONL);
        // What was typed before the question is not taken for the answer.
        if (::tcsetattr(fd_, TCSAFLUSH, &modus) != 0)
            return Status::Fail(QCoreApplication::translate(
                                    "PasswordInput", "Das Terminal lässt sich nicht umstellen."),
                                1);
        return Status::Ok();
    }

    int fd_;
    bool bStumm_ = false;
    struct sigaction vorher_[std::size(kSignale)] = {};
};

Error NoTerminal() {
    return Error{NoTerminalText(), 1};
}

}  // namespace

QString NoTerminalText() {
    return QCoreApplication::translate(
        "PasswordInput",
        "Das Archiv hat ein Passwort: --password-file DATEI oder --password - angeben.");
}

CommandDefinition WithPasswordOptions(CommandDefinition befehl, const QString& sWofuer) {
    befehl.optionen.emplace_back(
        QStringLiteral("password"), QCoreApplication::translate("PasswordInput", "TEXT"),
        QCoreApplication::translate("PasswordInput",
                                    "%1; „-“: die erste Zeile der Standardeingabe (TEXT ist für "
                                    "andere Benutzer sichtbar; besser --password-file oder "
                                    "--password -). Ohne beides wird am Terminal gefragt.")
            .arg(sWofuer));
    befehl.optionen.emplace_back(
        QStringLiteral("password-file"), QCoreApplication::translate("PasswordInput", "DATEI"),
        QCoreApplication::translate("PasswordInput", "%1, aus der ersten Zeile von DATEI")
            .arg(sWofuer));
    return befehl;
}

Result<std::optional<QString>> GivenPassword(const Arguments& a) {
    const QStringList texte = a.Values(QStringLiteral("password"));
    const QStringList dateien = a.Values(QStringLiteral("password-file"));
    if (texte.size() + dateien.size() > 1)
        return Error{QCoreApplication::translate(
                         "PasswordInput",
                         "Das Passwort bitte nur einmal angeben: mit --password TEXT, "
                         "--password - oder --password-file DATEI."),
                     2};
    Result<QByteArray> zeile = QByteArray();
    if (!dateien.isEmpty())
        zeile = ReadFirstLine(dateien.front());
    else if (!texte.isEmpty() && texte.front() == QLatin1String("-"))
        zeile = ReadFirstLineOf(
            STDIN_FILENO, QCoreApplication::translate("PasswordInput", "der Standardeingabe"));
    else if (!texte.isEmpty())
        return std::optional<QString>(texte.front());
    else
        return std::optional<QString>();
    if (!zeile.ok()) return Error{zeile.error().description, 1};
    return std::optional<QString>(QString::fromUtf8(zeile.value()));
}

int RefusePassword(const CommandDefinition& befehl, const Error& fehler, QTextStream& err) {
    return IsEngine(fehler, 2) ? RefuseArguments(befehl, fehler.description, err)
                               : Fail(err, fehler.description);
}

bool CanAsk() {
    return QuietTerminal().Open();
}

Result<QString> AskPassword(const QString& sFrage) {
    QuietTerminal terminal;
    if (!terminal.Open()) return NoTerminal();
    return terminal.Ask(sFrage);
}

Result<QString> AskNewPassword() {
    QuietTerminal terminal;
    if (!terminal.Open()) return NoTerminal();
    const Result<QString> erstes = terminal.Ask(
        QCoreApplication::translate("PasswordInput", "Neues Passwort für das Archiv: "));
    if (!erstes.ok()) return erstes;
    const Result<QString> zweites =
        terminal.Ask(QCoreApplication::translate("PasswordInput", "Neues Passwort wiederholen: "));
    if (!zweites.ok()) return zweites;
    if (erstes.value() != zweites.value())
        return Error{QCoreApplication::translate("PasswordInput",
                                                 "Die beiden Passwörter stimmen nicht überein."),
                     1};
    return erstes;
}

Result<QString> PasswordFor(const QString& sArchiv, const std::optional<QString>& gegeben) {
    if (gegeben) return *gegeben;
    const Result<std::unique_ptr<BrowseFile>> ohne = BrowseFile::Open(sArchiv, QString());
    if (ohne.ok() || !IsEngine(ohne.error(), kCodePasswortFehlt)) return QString();
    return AskPassword(QCoreApplication::translate("PasswordInput", "Passwort für „%1“: ")
                           .arg(QFileInfo(sArchiv).fileName()));
}

QString OpenFailureText(const Error& fehler) {
    return IsEngine(fehler, kCodePasswortFalsch)
               ? QCoreApplication::translate("PasswordInput", "Das Passwort ist falsch.")
               : fehler.description;
}

}  // namespace tolva
