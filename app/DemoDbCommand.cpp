// DemoDbCommand: "tolva-archiv demo-db", which makes a demo banking database.
#include "DemoDbCommand.h"

#include "demo/DemoDatabase.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <type_traits>

namespace {

const char kUsage[] =
    "Aufruf: tolva-archiv demo-db PFAD [--accounts N] [--banks N] [--bookings N] [--years N] "
    "[--seed S] [--schema-version V]\n";

int UsageError(const QString& sFehler) {
    QTextStream err(stderr);
    if (!sFehler.isEmpty()) err << "tolva-archiv demo-db: " << sFehler << '\n';
    err << kUsage;
    return 2;
}

// Reads a whole number option; false when the text is not one.
template <typename T>
bool ReadNumber(const QString& sText, T& lWert) {
    bool bOk = false;
    if constexpr (std::is_unsigned_v<T>) {
        const qulonglong lZahl = sText.toULongLong(&bOk);
        if (bOk) lWert = static_cast<T>(lZahl);
        bOk = bOk && static_cast<qulonglong>(lWert) == lZahl;
    } else {
        const qlonglong lZahl = sText.toLongLong(&bOk);
        if (bOk) lWert = static_cast<T>(lZahl);
        bOk = bOk && static_cast<qlonglong>(lWert) == lZahl;
    }
    return bOk;
}

}  // namespace

int RunDemoDbCommand(const QStringList& args) {
    tolva::DemoOptions options;
    QString sPfad;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString sArg = args[i];
        if (sArg == QLatin1String("-h") || sArg == QLatin1String("--help")) {
            QTextStream(stdout) << kUsage;
            return 0;
        }
        if (!sArg.startsWith(QLatin1String("--"))) {
            if (!sPfad.isEmpty()) return UsageError(QStringLiteral("Nur ein Pfad ist erlaubt."));
            sPfad = sArg;
            continue;
        }
        QString sWert;
        const qsizetype lGleich = sArg.indexOf('=');
        if (lGleich >= 0) {
            sWert = sArg.mid(lGleich + 1);
            sArg.truncate(lGleich);
        } else if (i + 1 < args.size()) {
            sWert = args[++i];
        } else {
            return UsageError(QStringLiteral("Zu %1 fehlt der Wert.").arg(sArg));
        }
        bool bOk = false;
        if (sArg == QLatin1String("--accounts"))
            bOk = ReadNumber(sWert, options.lKonten);
        else if (sArg == QLatin1String("--banks"))
            bOk = ReadNumber(sWert, options.lBanken);
        else if (sArg == QLatin1String("--bookings"))
            bOk = ReadNumber(sWert, options.lBuchungen);
        else if (sArg == QLatin1String("--years"))
            bOk = ReadNumber(sWert, options.lJahre);
        else if (sArg == QLatin1String("--seed"))
            bOk = ReadNumber(sWert, options.lSeed);
        else if (sArg == QLatin1String("--schema-version"))
            bOk = ReadNumber(sWert, options.lVersion);
        else
            return UsageError(QStringLiteral("Unbekannte Option %1.").arg(sArg));
        if (!bOk)
            return UsageError(
                QStringLiteral("%1 erwartet eine ganze Zahl, nicht „%2“.").arg(sArg, sWert));
    }
    if (sPfad.isEmpty()) return UsageError(QStringLiteral("Der Pfad der neuen Datenbank fehlt."));
    options.sPfad = QFileInfo(sPfad).absoluteFilePath();

    QElapsedTimer uhr;
    uhr.start();
    const tolva::Result<tolva::DemoSummary> ergebnis = tolva::MakeDemoDatabase(options);
    if (!ergebnis) {
        QTextStream(stderr) << "tolva-archiv demo-db: " << ergebnis.error().description << '\n';
        return 1;
    }
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QTextStream(stdout) << ergebnis.value().Text() << "Erzeugt in "
                        << deutsch.toString(uhr.elapsed() / 1000.0, 'f', 1) << " s\n";
    return 0;
}
