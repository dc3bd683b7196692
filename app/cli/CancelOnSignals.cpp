// Signals that cancel a command's job.
#include "cli/CancelOnSignals.h"

#include "cli/TerminalArchivForm.h"

#include "database/Cancel.h"

#include <QCoreApplication>
#include <QTextStream>

namespace tolva {
namespace {

constexpr int kSignale[3] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void OnSignal(int lSignal) {
    RequestCancel(lSignal);
}

QString SignalName(int lSignal) {
    switch (lSignal) {
        case SIGINT:
            return QStringLiteral("SIGINT");
        case SIGTERM:
            return QStringLiteral("SIGTERM");
        case SIGHUP:
            return QStringLiteral("SIGHUP");
        default:
            return QCoreApplication::translate("CancelOnSignals", "Signal %1").arg(lSignal);
    }
}

}  // namespace

CancelOnSignals::CancelOnSignals() {
    struct sigaction neu {};
    neu.sa_handler = OnSignal;
    sigemptyset(&neu.sa_mask);
    neu.sa_flags = 0;  // no SA_RESTART: a waiting read returns, and the job looks again
    for (int i = 0; i < 3; ++i) ::sigaction(kSignale[i], &neu, &alt_[i]);
}

CancelOnSignals::~CancelOnSignals() {
    for (int i = 0; i < 3; ++i) ::sigaction(kSignale[i], &alt_[i], nullptr);
}

QString RunCancelledText() {
    return QCoreApplication::translate(
        "CancelOnSignals", "Der Lauf wurde abgebrochen. Die Benutzer-Datenbank ist unverändert.");
}

QString RunFinishedText() {
    return QCoreApplication::translate(
        "CancelOnSignals",
        "kam, als das Archiv schon an seinem Platz stand; der Lauf wurde zu Ende geführt.");
}

int ReportSignal(bool bFertig, const QString& sAbgebrochen, const QString& sFertig,
                 QTextStream& err) {
    const int lSignal = CancelSignal();
    if (lSignal == 0) return 0;
    EndProgressLine();
    err << "tolva-archiv: " << SignalName(lSignal)
        << (bFertig ? QStringLiteral(" ") + sFertig : QStringLiteral(": ") + sAbgebrochen)
        << Qt::endl;
    return bFertig ? 0 : 128 + lSignal;
}

}  // namespace tolva
