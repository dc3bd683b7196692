// Prepares the folder of the C entry test: a demo database, one without accounts, an archive
// folder with one archive, and the settings file that points the default host at them.
// wizard_c_fixture <folder>
#include "database/Schema.h"
#include "demo/DemoDatabase.h"
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    QDir(ordner).removeRecursively();
    QDir().mkpath(ordner + QStringLiteral("/Archive"));

    tolva::DemoOptions options;
    options.sPfad = ordner + QStringLiteral("/Bank.dat");
    options.lKonten = 2;
    options.lBanken = 1;
    options.lBuchungen = 100;
    QTextStream err(stderr);
    if (auto made = tolva::MakeDemoDatabase(options); !made.ok()) {
        err << made.error().description << '\n';
        return 1;
    }
    if (auto made = tolva::CreateDatabaseFile(ordner + QStringLiteral("/Leer.dat")); !made.ok()) {
        err << made.description() << '\n';
        return 1;
    }
    // An archive as the run starts it: the empty template, keyed and complete.
    const QString vorlage = tolva::IniHostServices::DataFolder() + QStringLiteral("HbLeer.dat");
    if (!QFile::copy(vorlage, ordner + QStringLiteral("/Archive/alt.aba"))) {
        err << "Vorlage fehlt: " << vorlage << '\n';
        return 1;
    }
    tolva::IniHostServices host(ordner + QStringLiteral("/host.ini"));
    host.SetSetting(tolva::kSettingArchivPfad, ordner + QStringLiteral("/Archive/"));
    host.SetSetting(tolva::kSettingBasisPfad, ordner + QLatin1Char('/'));
    return 0;
}
