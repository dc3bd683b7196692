// The main job: the demo database in the user's data folder, made on first use.
#include "MainJob.h"

#include "Commands.h"

#include "Arguments.h"

#include "WindowLibrary.h"
#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "demo/DemoDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace tolva {

int RunMainJob() {
    const QString ordner =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tolva";
    const QString sPfad = ordner + QStringLiteral("/Demobank.db");
    if (!QFileInfo::exists(sPfad)) {
        QDir().mkpath(ordner);
        DemoOptions options;
        options.sPfad = sPfad;
        Result<DemoSummary> summary = MakeDemoDatabase(options);
        if (!summary.ok()) return Fail(summary.error().description);
        QTextStream(stdout) << summary.value().Text() << Qt::endl;
    }
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(fenster.error().description);
    return fenster.value()->RunWizardHost(sPfad);
}

namespace {

// The demo host's look at the database before it calls the component: a missing file, a file
// that is no database or that the key does not open ends with the German message, instead of
// a wizard without accounts.
Status CheckDatabase(const QString& sDatenbank) {
    if (!QFileInfo(sDatenbank).isFile())
        return Status::Fail(QStringLiteral("Die Datenbank „%1“ gibt es nicht.").arg(sDatenbank));
    Connection cn;
    if (Status s = cn.Open(BuildConnectionText(sDatenbank)); !s.ok()) return s;
    cn.Close();
    return Status::Ok();
}

}  // namespace

int RunWindowCommand(const QStringList& args) {
    const bool bBilder = args.value(0) == QLatin1String("pages");
    Result<Arguments> parsed =
        ParseArguments(bBilder ? args.mid(1) : args, {QStringLiteral("db"), QStringLiteral("out")},
                       {QStringLiteral("first-page")});
    if (!parsed.ok()) return Fail(parsed.error().description, 2);
    const Arguments& a = parsed.value();
    const QString sDatenbank = QFileInfo(a.Value(QStringLiteral("db"))).absoluteFilePath();
    if (!a.Has(QStringLiteral("db")) || !a.positionen.isEmpty() ||
        bBilder != a.Has(QStringLiteral("out")) ||
        (bBilder && a.Flag(QStringLiteral("first-page"))))
        return Fail(QStringLiteral("Aufruf: tolva-archiv [--db PFAD [--first-page]] | pages --db "
                                   "PFAD --out ORDNER"),
                    2);
    if (Status s = CheckDatabase(sDatenbank); !s.ok()) return Fail(s.description());
    Result<const WindowApi*> fenster = LoadWindowApi();
    if (!fenster.ok()) return Fail(fenster.error().description);
    const WindowApi& api = *fenster.value();
    if (a.Flag(QStringLiteral("first-page"))) {
        const Status s = api.ShowFirstPage(sDatenbank);
        return s.ok() ? 0 : Fail(s.description());
    }
    if (!bBilder) return api.RunWizardHost(sDatenbank);
    if (Status s = api.RenderPages(sDatenbank, a.Value(QStringLiteral("out"))); !s.ok())
        return Fail(s.description());
    return 0;
}

}  // namespace tolva
