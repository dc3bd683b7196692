// DemoDatabase: makes a keyed banking database full of realistic, reproducible demo data.
#include "demo/DemoDatabase.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "database/Keying.h"
#include "database/Schema.h"
#include "demo/DemoWriter.h"
#include "files/DatabaseFile.h"
#include "files/FileSystem.h"
#include "text/DisplayFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sqlite3.h>

#include <algorithm>

namespace tolva {

namespace {

constexpr qsizetype kNamensBreite = 16;

QString CheckOptions(const DemoOptions& options) {
    if (options.sPfad.isEmpty())
        return QCoreApplication::translate("DemoDatabase",
                                           "Es ist keine Datei für die Demo-Datenbank angegeben.");
    if (options.lKonten < 1 || options.lKonten > 10000)
        return QCoreApplication::translate("DemoDatabase",
                                           "Die Zahl der Konten muss zwischen 1 und 10000 liegen.");
    if (options.lBanken < 1 || options.lBanken > 1000)
        return QCoreApplication::translate("DemoDatabase",
                                           "Die Zahl der Banken muss zwischen 1 und 1000 liegen.");
    if (options.lBuchungen < 0 || options.lBuchungen > 100000000)
        return QCoreApplication::translate(
            "DemoDatabase", "Die Zahl der Umsätze muss zwischen 0 und 100000000 liegen.");
    if (options.lJahre < 1 || options.lJahre > 100)
        return QCoreApplication::translate("DemoDatabase",
                                           "Die Zahl der Jahre muss zwischen 1 und 100 liegen.");
    if (!options.dBis.isValid() || options.dBis.year() > 9999 ||
        options.dBis.addYears(-options.lJahre).year() < 1)
        return QCoreApplication::translate("DemoDatabase",
                                           "Das Enddatum der Umsätze ist ungültig.");
    return QString();
}

Status Exec(sqlite3* db, const char* sSql, const QString& sPfad) {
    const int rc = sqlite3_exec(db, sSql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return Status(DatabaseError(db, rc, sPfad));
    return Status::Ok();
}

// Opens the new file, writes everything in one transaction and closes it again.
Status FillDatabase(const DemoOptions& options, DemoSummary& summary) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(options.sPfad).constData(), &db,
                             SQLITE_OPEN_READWRITE, nullptr);
    Status st = rc == SQLITE_OK ? Status::Ok() : Status(DatabaseError(db, rc, options.sPfad));
    if (st) st = ApplyKey(db, QString::fromLatin1(kDatenbankPasswort));
    // No journal and no syncing while filling: a failed run removes the whole file.
    if (st) st = Exec(db, "PRAGMA journal_mode = OFF", options.sPfad);
    if (st) st = Exec(db, "PRAGMA synchronous = OFF", options.sPfad);
    if (st) st = Exec(db, "PRAGMA cache_size = -16384", options.sPfad);
    if (st) st = Exec(db, "BEGIN", options.sPfad);
    if (st) {
        demo::DemoWriter writer(db, options);
        st = writer.WriteAll(summary);
    }
    if (st) st = Exec(db, "COMMIT", options.sPfad);
    rc = sqlite3_close_v2(db);  // every statement is finalized by now
    if (st && rc != SQLITE_OK)
        st = Status::Fail(QCoreApplication::translate(
                              "DemoDatabase", "Die Datei „%1“ konnte nicht geschlossen werden.")
                              .arg(QDir::toNativeSeparators(options.sPfad)),
                          rc, ErrorKind::Sqlite);
    return st;
}

}  // namespace

QString DemoSummary::Text() const {
    QString sZeitraum;
    if (dErsteBuchung.isValid())
        sZeitraum = QCoreApplication::translate("DemoDatabase", "vom %1 bis %2")
                        .arg(DisplayDate(dErsteBuchung), DisplayDate(dLetzteBuchung));
    const struct {
        QString sName;
        qint64 lAnzahl;
        QString sZusatz;
    } zeilen[] = {
        {QCoreApplication::translate("DemoDatabase", "Banken"), lBankDaten, {}},
        {QCoreApplication::translate("DemoDatabase", "Konten"), lKonten, {}},
        {QCoreApplication::translate("DemoDatabase", "Umsätze"), lUmsaetze, sZeitraum},
        {QCoreApplication::translate("DemoDatabase", "Umsatz-Zusätze"), lUmsZusatz, {}},
        {QCoreApplication::translate("DemoDatabase", "Offene Umsätze"), lOffeneUmsaetze, {}},
        {QCoreApplication::translate("DemoDatabase", "Aufträge"), lAuftraege, {}},
        {QCoreApplication::translate("DemoDatabase", "Sammelaufträge"), lSammelAuftraege,
         QCoreApplication::translate("DemoDatabase", "mit %1 Einzelaufträgen", nullptr,
                                     PluralCount(lSammelEinzel))
             .arg(DisplayCount(lSammelEinzel))},
        {QCoreApplication::translate("DemoDatabase", "Kategorien"), lKategorien, {}},
        {QCoreApplication::translate("DemoDatabase", "Empfänger"), lEmpfaenger, {}},
    };
    // The names' column is 16 wide, wider when a language's name needs it.
    qsizetype lBreite = kNamensBreite;
    for (const auto& z : zeilen) lBreite = std::max(lBreite, z.sName.size() + 1);

    QString sText = QCoreApplication::translate("DemoDatabase", "Demo-Datenbank angelegt: %1\n")
                        .arg(QDir::toNativeSeparators(sPfad));
    sText += QCoreApplication::translate("DemoDatabase",
                                         "Schema-Version %1, Startwert %2, Passwort „%3“\n")
                 .arg(QString::number(lVersion), QString::number(lSeed),
                      QString::fromLatin1(kDemoPasswort));
    for (const auto& z : zeilen) {
        sText += QStringLiteral("  ") + z.sName.leftJustified(lBreite) + QLatin1Char(' ') +
                 DisplayCount(z.lAnzahl).rightJustified(10);
        if (!z.sZusatz.isEmpty()) sText += QStringLiteral("   ") + z.sZusatz;
        sText += QLatin1Char('\n');
    }
    return sText;
}

Result<DemoSummary> MakeDemoDatabase(const DemoOptions& options) {
    const QString sFehler = CheckOptions(options);
    if (!sFehler.isEmpty()) return Error{sFehler};
    if (QFileInfo::exists(options.sPfad))
        return Error{
            QCoreApplication::translate("DemoDatabase",
                                        "Die Datei „%1“ gibt es bereits; eine Demo-Datenbank wird "
                                        "nur als neue Datei angelegt.")
                .arg(QDir::toNativeSeparators(options.sPfad))};

    Status st = CreateDatabaseFile(options.sPfad, options.lVersion);
    if (!st) return st;

    DemoSummary summary;
    summary.sPfad = options.sPfad;
    summary.lVersion = options.lVersion;
    summary.lSeed = options.lSeed;
    st = FillDatabase(options, summary);
    if (!st) {
        Files().Remove(QFile::encodeName(options.sPfad).constData());  // the half-made file
        return st;
    }
    return summary;
}

}  // namespace tolva
