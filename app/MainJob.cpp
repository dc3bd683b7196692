// The main job: the demo database in the user's data folder, made on first use.
#include "MainJob.h"

#include "Commands.h"

#include "Arguments.h"

#include "WindowLibrary.h"
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
