// The main job: the demo database in the user's data folder, made on first use.
#include "cli/MainJob.h"

#include "cli/Commands.h"

#include "cli/Arguments.h"

#include "cli/WindowLibrary.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "demo/DemoDatabase.h"
#include "files/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace tolva {

int RunMainJob(const CommandStreams& io) {
    const QString ordner =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tolva";
    const QString sPfad = ordner + QStringLiteral("/Demobank.db");
    if (!QFileInfo::exists(sPfad)) {
        if (Status s = MakeFolders(ordner); !s.ok()) return Fail(io.err, s.description());
        DemoOptions options;
        options.sPfad = sPfad;
        Result<DemoSummary> summary = MakeDemoDatabase(options);
        if (!summary.ok()) return Fail(io.err, summary.error().description);
        io.out << summary.value().Text() << Qt::endl;
    }
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(io.err, fenster.error().description);
    return fenster.value()->RunWizardHost(sPfad);
}

namespace {

// The demo host's look at the database before it calls the component: a missing file, a file
// that is no database or that the key does not open ends with a message, instead of a wizard
// without accounts.
Status CheckDatabase(const QString& sDatenbank) {
    if (!QFileInfo(sDatenbank).isFile())
        return Status::Fail(
            QCoreApplication::translate("MainJob", "Die Datenbank „%1“ gibt es nicht.")
                .arg(sDatenbank));
    Connection cn;
    if (Status s = cn.Open(BuildConnectionText(sDatenbank)); !s.ok()) return s;
    cn.Close();
    return Status::Ok();
}

}  // namespace

const CommandDefinition& WindowDefinition() {
    static const CommandDefinition definition{
        QString(),
        QCoreApplication::translate("MainJob",
                                    "Öffnet den Assistenten auf der Datenbank, wie ein Host ihn "
                                    "aufruft; gibt das zum Ansehen gewählte Archiv aus."),
        {DatabaseOption(),
         {QStringLiteral("first-page"), QString(),
          QCoreApplication::translate(
              "MainJob", "schließt, sobald die erste Seite gezeichnet ist (Startzeit)")}}};
    return definition;
}

const CommandDefinition& PagesDefinition() {
    static const CommandDefinition definition{
        QStringLiteral("pages"),
        QCoreApplication::translate("MainJob",
                                    "Zeichnet jede Seite beider Aufgaben als PNG, ohne "
                                    "Bildschirm, auf einer Kopie der Datenbank."),
        {DatabaseOption(),
         {QStringLiteral("out"), QCoreApplication::translate("MainJob", "ORDNER"),
          QCoreApplication::translate("MainJob", "Ordner der Bilder"), true}}};
    return definition;
}

int RunWindowCommand(const QStringList& args, const CommandStreams& io) {
    const bool bBilder = args.value(0) == QLatin1String("pages");
    int lStatus = 0;
    const std::optional<Arguments> a =
        ParseCommand(bBilder ? PagesDefinition() : WindowDefinition(), bBilder ? args.mid(1) : args,
                     &lStatus, io);
    if (!a) return lStatus;
    const QString sDatenbank = QFileInfo(a->Value(QStringLiteral("db"))).absoluteFilePath();
    if (Status s = CheckDatabase(sDatenbank); !s.ok()) return Fail(io.err, s.description());
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(io.err, fenster.error().description);
    const WindowApi& api = *fenster.value();
    if (!bBilder && a->Flag(QStringLiteral("first-page"))) {
        const Status s = api.ShowFirstPage(sDatenbank);
        return s.ok() ? 0 : Fail(io.err, s.description());
    }
    if (!bBilder) return api.RunWizardHost(sDatenbank);
    if (Status s = api.RenderPages(sDatenbank, a->Value(QStringLiteral("out"))); !s.ok())
        return Fail(io.err, s.description());
    return 0;
}

}  // namespace tolva
