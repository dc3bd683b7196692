// DemoDbCommand: "tolva-archiv demo-db", which makes a demo banking database.
#include "cli/DemoDbCommand.h"

#include "cli/Arguments.h"

#include "demo/DemoDatabase.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <type_traits>

namespace {

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

const tolva::CommandDefinition& DemoDbDefinition() {
    static const tolva::CommandDefinition definition{
        QStringLiteral("demo-db"),
        QCoreApplication::translate(
            "DemoDbCommand", "Legt eine Demo-Datenbank mit erfundenen Konten und Umsätzen an."),
        {{QStringLiteral("accounts"), QStringLiteral("N"),
          QCoreApplication::translate("DemoDbCommand", "Anzahl der Konten")},
         {QStringLiteral("banks"), QStringLiteral("N"),
          QCoreApplication::translate("DemoDbCommand", "Anzahl der Banken")},
         {QStringLiteral("bookings"), QStringLiteral("N"),
          QCoreApplication::translate("DemoDbCommand", "Anzahl der Umsätze")},
         {QStringLiteral("years"), QStringLiteral("N"),
          QCoreApplication::translate("DemoDbCommand", "Jahre, über die sie reichen")},
         {QStringLiteral("seed"), QStringLiteral("S"),
          QCoreApplication::translate("DemoDbCommand", "Startwert des Zufalls")},
         {QStringLiteral("schema-version"), QStringLiteral("V"),
          QCoreApplication::translate("DemoDbCommand", "Version in Optionen (für Tests)")}},
        QCoreApplication::translate("DemoDbCommand", "PFAD"),
        1,
        1};
    return definition;
}

}  // namespace

int RunDemoDbCommand(const QStringList& args, const tolva::CommandStreams& io) {
    int lStatus = 0;
    const std::optional<tolva::Arguments> a =
        tolva::ParseCommand(DemoDbDefinition(), args, &lStatus, io);
    if (!a) return lStatus;
    tolva::DemoOptions options;
    const auto zahl = [&](const char* sName, auto& lWert) {
        const QString sOption = QString::fromLatin1(sName);
        if (!a->Has(sOption)) return true;
        if (ReadNumber(a->Value(sOption), lWert)) return true;
        lStatus = tolva::RefuseArguments(
            DemoDbDefinition(),
            QCoreApplication::translate("DemoDbCommand",
                                        "Die Option --%1 erwartet eine ganze Zahl, nicht „%2“.")
                .arg(sOption, a->Value(sOption)),
            io.err);
        return false;
    };
    if (!zahl("accounts", options.lKonten) || !zahl("banks", options.lBanken) ||
        !zahl("bookings", options.lBuchungen) || !zahl("years", options.lJahre) ||
        !zahl("seed", options.lSeed) || !zahl("schema-version", options.lVersion))
        return lStatus;
    options.sPfad = QFileInfo(a->positionen().front()).absoluteFilePath();

    QElapsedTimer uhr;
    uhr.start();
    const tolva::Result<tolva::DemoSummary> ergebnis = tolva::MakeDemoDatabase(options);
    if (!ergebnis) {
        io.err << "tolva-archiv demo-db: " << ergebnis.error().description << '\n';
        return 1;
    }
    io.out << ergebnis.value().Text()
           << QCoreApplication::translate("DemoDbCommand", "Erzeugt in %1 s")
                  .arg(tolva::DisplayLocale().toString(uhr.elapsed() / 1000.0, 'f', 1))
           << '\n';
    return 0;
}
