// The main job: the demo database in the user's data folder, made on first use.
#include "MainJob.h"

#include "Commands.h"

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
    QTextStream out(stdout);
    if (QFileInfo::exists(sPfad)) {
        out << "Demo-Datenbank: " << sPfad << " (vorhanden)" << Qt::endl;
        return 0;
    }
    QDir().mkpath(ordner);
    DemoOptions options;
    options.sPfad = sPfad;
    Result<DemoSummary> summary = MakeDemoDatabase(options);
    if (!summary.ok()) return Fail(summary.error().description);
    out << summary.value().Text() << Qt::endl;
    return 0;
}

int Fail(const QString& sText, int status) {
    QTextStream(stderr) << sText << Qt::endl;
    return status;
}

}  // namespace tolva
