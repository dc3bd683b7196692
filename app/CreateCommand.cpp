// tolva-archiv create: the wizard's start, from the command line.
#include "Arguments.h"
#include "CancelOnSignals.h"
#include "CommandSession.h"
#include "Commands.h"
#include "TerminalMessageBoxes.h"
#include "WindowLibrary.h"

#include "archive/StartArchive.h"
#include "database/Cancel.h"
#include "hostlib/HostServices.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QFileInfo>

namespace tolva {
namespace {

const char* const kAufruf =
    "Aufruf: tolva-archiv create --db PFAD --before JJJJ-MM-TT --out DATEI [--accounts ID,...] "
    "[--remove] [--backup DATEI] [--password-mode none|keep|new] [--password TEXT] [--yes] "
    "[--wizard]";

// Opens the database, runs the survey and the start; the exit status of the job.
int CreateArchiveFor(const Arguments& a, const SurveyChoice& auswahl, long lPasswortModus) {
    CommandSession session;
    if (Status s = session.Open(QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath());
        !s.ok())
        return CancelSignal() ? ReportSignal(false) : Fail(s.description());
    if (Status s = session.RunSurvey(auswahl.dStichtag, auswahl.konten); !s.ok())
        return CancelSignal() ? ReportSignal(false) : Fail(s.description());
    SharedState& g = Shared();
    if (g.aKontenMitDaten.empty()) {
        Host().ShowMessage(NoDataText(g.dStichtag), 0, QStringLiteral("Daten archivieren"), true,
                           0);
        return 1;
    }

    g.bEntfernen = a.Flag(QStringLiteral("remove"));
    g.lPasswortModus = lPasswortModus;
    session.Form().SetNewPassword(a.Value(QStringLiteral("password")));

    ArchivStart start;
    start.sZielDatei = QFileInfo(a.Value(QStringLiteral("out"))).absoluteFilePath();
    start.bSichern = a.Has(QStringLiteral("backup"));
    if (start.bSichern)
        start.sSicherungsDatei = QFileInfo(a.Value(QStringLiteral("backup"))).absoluteFilePath();
    bool bErfolg = false;
    const StartErgebnis ergebnis = StartCreateArchive(start, &bErfolg);
    if (CancelSignal()) return ReportSignal(ergebnis == StartErgebnis::Gelaufen && bErfolg);
    return ergebnis == StartErgebnis::Gelaufen && bErfolg ? 0 : 1;
}

// The same job through the wizard's window, its pages filled in as a person would fill them.
int DriveWizardFor(const Arguments& a, const SurveyChoice& auswahl, long lPasswortModus) {
    CreateChoice wahl;
    wahl.dStichtag = auswahl.dStichtag;
    wahl.konten = auswahl.konten;
    wahl.bEntfernen = a.Flag(QStringLiteral("remove"));
    wahl.lPasswortModus = lPasswortModus;
    wahl.sNeuesPasswort = a.Value(QStringLiteral("password"));
    wahl.sZielDatei = QFileInfo(a.Value(QStringLiteral("out"))).absoluteFilePath();
    if (a.Has(QStringLiteral("backup")))
        wahl.sSicherung = QFileInfo(a.Value(QStringLiteral("backup"))).absoluteFilePath();
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(fenster.error().description);
    const Status gefahren = fenster.value()->RunCreateJob(
        QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath(), wahl);
    if (!gefahren.ok()) return Fail(gefahren.description());
    return QFileInfo::exists(wahl.sZielDatei) ? 0 : 1;
}

}  // namespace

int RunCreateCommand(const QStringList& args) {
    Result<Arguments> parsed =
        ParseArguments(args,
                       {QStringLiteral("db"), QStringLiteral("before"), QStringLiteral("out"),
                        QStringLiteral("accounts"), QStringLiteral("backup"),
                        QStringLiteral("password-mode"), QStringLiteral("password")},
                       {QStringLiteral("remove"), QStringLiteral("yes"), QStringLiteral("wizard")});
    if (!parsed.ok()) return Fail(parsed.error().description, 2);
    const Arguments& a = parsed.value();
    if (!a.Has(QStringLiteral("db")) || !a.Has(QStringLiteral("before")) ||
        !a.Has(QStringLiteral("out")) || !a.positionen.isEmpty())
        return Fail(QString::fromUtf8(kAufruf), 2);

    Result<SurveyChoice> auswahl = ParseSurveyChoice(a);
    if (!auswahl.ok()) return Fail(auswahl.error().description, 2);
    const QString modus = a.Has(QStringLiteral("password-mode"))
                              ? a.Value(QStringLiteral("password-mode"))
                              : QStringLiteral("keep");
    long lPasswortModus = 1;
    if (modus == QStringLiteral("none"))
        lPasswortModus = 0;
    else if (modus == QStringLiteral("new"))
        lPasswortModus = 2;
    else if (modus != QStringLiteral("keep"))
        return Fail(QStringLiteral("--password-mode kennt none, keep und new."), 2);
    if (lPasswortModus == 2 && a.Value(QStringLiteral("password")).trimmed().isEmpty())
        return Fail(QStringLiteral("Bitte geben Sie das Passwort ein!"), 2);

    InstallMessageBoxPresenter(
        std::make_shared<TerminalMessageBoxes>(a.Flag(QStringLiteral("yes"))));
    const CancelOnSignals signale;
    const int lStatus = a.Flag(QStringLiteral("wizard"))
                            ? DriveWizardFor(a, auswahl.value(), lPasswortModus)
                            : CreateArchiveFor(a, auswahl.value(), lPasswortModus);
    InstallMessageBoxPresenter(nullptr);
    return lStatus;
}

}  // namespace tolva
