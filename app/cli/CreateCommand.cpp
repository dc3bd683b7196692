// tolva-archiv create: the wizard's start, from the command line.
#include "cli/Arguments.h"
#include "cli/CancelOnSignals.h"
#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/PasswordInput.h"
#include "cli/TerminalMessageBoxes.h"
#include "cli/WindowLibrary.h"

#include "archive/RunRequest.h"
#include "archive/StartArchive.h"
#include "database/Cancel.h"
#include "hostlib/HostServices.h"
#include "hostlib/MessageBox.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace tolva {
namespace {

// The archive's full path; a name without ".aba" gets it, since the archive list and the
// wizard show only such files (a folder, also one that does not exist yet ("neu/"), stays a
// folder, for the start's message).
QString TargetOf(const Arguments& a) {
    QString sZiel = QFileInfo(a.Value(QStringLiteral("out"))).absoluteFilePath();
    if (!sZiel.endsWith(QStringLiteral(".aba"), Qt::CaseInsensitive) && !QFileInfo(sZiel).isDir() &&
        !sZiel.endsWith(QLatin1Char('/')))
        sZiel += QStringLiteral(".aba");
    return sZiel;
}

// Opens the database, runs the survey and the start; the exit status of the job.
// Where the run put its files: the archive's full path and the backup's, if one was written.
void ReportPaths(const CommandStreams& io, const QString& sArchiv, const QString& sSicherung) {
    QTextStream& out = io.out;
    out << QCoreApplication::translate("CreateCommand", "Archiv: %1")
               .arg(QFileInfo(sArchiv).absoluteFilePath())
        << Qt::endl;
    if (!sSicherung.isEmpty())
        out << QCoreApplication::translate("CreateCommand", "Sicherung: %1")
                   .arg(QFileInfo(sSicherung).absoluteFilePath())
            << Qt::endl;
}

// A run that a signal cancelled: its sentence and 128 + the signal's number.
int Cancelled(const CommandStreams& io) {
    return ReportSignal(false, RunCancelledText(), QString(), io.err);
}

int CreateArchiveFor(const CommandStreams& io, const Arguments& a, const SurveyChoice& auswahl,
                     long lPasswortModus, const QString& sNeuesPasswort) {
    CommandSession session(io.out);
    if (Status s = session.Open(QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath());
        !s.ok())
        return CancelSignal() ? Cancelled(io) : Fail(io.err, s.description());
    if (Status s = session.RunSurvey(auswahl.dStichtag, auswahl.konten); !s.ok())
        return CancelSignal() ? Cancelled(io) : Fail(io.err, s.description());
    SharedState& g = Shared();
    if (g.aKontenMitDaten.empty()) {
        Host().ShowMessage(NoDataText(g.dStichtag), vbOKOnly,
                           QCoreApplication::translate("CreateCommand", "Daten archivieren"), true,
                           0);
        return 1;
    }

    g.bEntfernen = a.Flag(QStringLiteral("remove"));
    g.lPasswortModus = lPasswortModus;
    session.Form().SetNewPassword(sNeuesPasswort);

    ArchivStart start;
    start.sZielDatei = TargetOf(a);
    start.bSichern = a.Has(QStringLiteral("backup"));
    if (start.bSichern)
        start.sSicherungsDatei = QFileInfo(a.Value(QStringLiteral("backup"))).absoluteFilePath();
    bool bErfolg = false;
    RunTimes zeiten;
    const StartErgebnis ergebnis = StartCreateArchive(start, &bErfolg, &zeiten);
    const bool bFertig = ergebnis == StartErgebnis::Gelaufen && bErfolg;
    if (CancelSignal() && !bFertig) return Cancelled(io);
    (void)ReportSignal(bFertig, QString(), RunFinishedText(), io.err);
    if (!bFertig) return 1;
    ReportPaths(io, g.sArchivDatei, start.bSichern ? start.sSicherungsDatei : QString());
    if (a.Flag(QStringLiteral("times"))) {
        io.err << QCoreApplication::translate("CreateCommand", "Lauf: %1 ms, davon Siegel: %2 ms")
                      .arg(QString::number(double(zeiten.lLaufUs) / 1000, 'f', 1),
                           QString::number(double(zeiten.lSiegelUs) / 1000, 'f', 2))
               << Qt::endl;
    }
    return 0;
}

// The same job through the wizard's window, its pages filled in as a person would fill them.
int DriveWizardFor(const CommandStreams& io, const Arguments& a, const SurveyChoice& auswahl,
                   long lPasswortModus, const QString& sNeuesPasswort) {
    CreateChoice wahl;
    wahl.dStichtag = auswahl.dStichtag;
    wahl.konten = auswahl.konten;
    wahl.bEntfernen = a.Flag(QStringLiteral("remove"));
    wahl.lPasswortModus = lPasswortModus;
    wahl.sNeuesPasswort = sNeuesPasswort;
    wahl.sZielDatei = TargetOf(a);
    if (a.Has(QStringLiteral("backup")))
        wahl.sSicherung = QFileInfo(a.Value(QStringLiteral("backup"))).absoluteFilePath();
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(io.err, fenster.error().description);
    const Status gefahren = fenster.value()->RunCreateJob(
        QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath(), wahl);
    // The window rolls back at a signal as the run does, and says so as the run does.
    const bool bFertig = gefahren.ok() && QFileInfo::exists(wahl.sZielDatei);
    if (CancelSignal() && !bFertig) return Cancelled(io);
    if (!gefahren.ok()) return Fail(io.err, gefahren.description());
    if (!bFertig) return 1;
    (void)ReportSignal(true, QString(), RunFinishedText(), io.err);
    ReportPaths(io, wahl.sZielDatei, wahl.sSicherung);
    return 0;
}

}  // namespace

const CommandDefinition& CreateDefinition() {
    static const CommandDefinition definition = WithPasswordOptions(
        {QStringLiteral("create"),
         QCoreApplication::translate("CreateCommand",
                                     "Erstellt ein Archiv, wie \"Starten\" im Assistenten."),
         {DatabaseOption(),
          CutOffOption(),
          {QStringLiteral("out"), QCoreApplication::translate("CreateCommand", "DATEI"),
           QCoreApplication::translate("CreateCommand",
                                       "das Archiv (\".aba\" wird angehängt, wenn es fehlt)"),
           true},
          {QStringLiteral("accounts"), QStringLiteral("ID,..."),
           QCoreApplication::translate("CreateCommand", "nur diese Konten (sonst alle)")},
          {QStringLiteral("remove"), QString(),
           QCoreApplication::translate(
               "CreateCommand", "entfernt die archivierten Daten aus der Benutzer-Datenbank")},
          {QStringLiteral("backup"), QCoreApplication::translate("CreateCommand", "DATEI"),
           QCoreApplication::translate("CreateCommand",
                                       "sichert die Benutzer-Datenbank zuvor in DATEI")},
          {QStringLiteral("password-mode"), QStringLiteral("none|keep|new"),
           QCoreApplication::translate(
               "CreateCommand",
               "Passwort des Archivs: keines, das bestehende (Vorgabe), ein neues")},
          {QStringLiteral("yes"), QString(),
           QCoreApplication::translate("CreateCommand", "beantwortet jede Frage mit Ja")},
          {QStringLiteral("wizard"), QString(),
           QCoreApplication::translate("CreateCommand",
                                       "dieselbe Aufgabe durch das Fenster des Assistenten")},
          {QStringLiteral("times"), QString(),
           QCoreApplication::translate("CreateCommand",
                                       "nennt auf der Standardfehlerausgabe, wie lange der Lauf "
                                       "und darin das Siegel gedauert haben")}}},
        QCoreApplication::translate("CreateCommand",
                                    "das neue Passwort (mit --password-mode new)"));
    return definition;
}

int RunCreateCommand(const QStringList& args, const CommandStreams& io) {
    int lBefehlStatus = 0;
    const std::optional<Arguments> parsed =
        ParseCommand(CreateDefinition(), args, &lBefehlStatus, io);
    if (!parsed) return lBefehlStatus;
    const Arguments& a = *parsed;

    Result<SurveyChoice> auswahl = ParseSurveyChoice(a);
    if (!auswahl.ok()) return Fail(io.err, auswahl.error().description, 2);
    const QString modus = a.Has(QStringLiteral("password-mode"))
                              ? a.Value(QStringLiteral("password-mode"))
                              : QStringLiteral("keep");
    long lPasswortModus = 1;
    if (modus == QStringLiteral("none"))
        lPasswortModus = 0;
    else if (modus == QStringLiteral("new"))
        lPasswortModus = 2;
    else if (modus != QStringLiteral("keep"))
        return Fail(io.err,
                    QCoreApplication::translate("CreateCommand",
                                                "--password-mode kennt none, keep und new."),
                    2);
    const Result<std::optional<QString>> gegeben = GivenPassword(a);
    if (!gegeben.ok()) return RefusePassword(CreateDefinition(), gegeben.error(), io.err);
    QString sNeuesPasswort;
    if (lPasswortModus == 2) {
        const Result<QString> passwort =
            gegeben.value() ? Result<QString>(*gegeben.value()) : AskNewPassword();
        if (!passwort.ok()) return Fail(io.err, passwort.error().description);
        if (passwort.value().trimmed().isEmpty())
            return Fail(
                io.err,
                QCoreApplication::translate("CreateCommand", "Bitte geben Sie das Passwort ein!"),
                gegeben.value() ? 2 : 1);
        sNeuesPasswort = passwort.value();
    }

    InstallMessageBoxPresenter(
        std::make_shared<TerminalMessageBoxes>(a.Flag(QStringLiteral("yes")), io.err));
    const CancelOnSignals signale;
    const int lStatus =
        a.Flag(QStringLiteral("wizard"))
            ? DriveWizardFor(io, a, auswahl.value(), lPasswortModus, sNeuesPasswort)
            : CreateArchiveFor(io, a, auswahl.value(), lPasswortModus, sNeuesPasswort);
    InstallMessageBoxPresenter(nullptr);
    return lStatus;
}

}  // namespace tolva
