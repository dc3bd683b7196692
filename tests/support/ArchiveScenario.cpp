// Whole archive runs on demo databases: state as the wizard leaves it, and expectations.
#include "ArchiveScenario.h"

#include "database/ConnectionText.h"
#include "demo/DemoDatabase.h"
#include "hostlib/Clock.h"
#include "hostlib/HostTools.h"
#include "state/SharedState.h"
#include "survey/Survey.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tolva::test {
namespace {

QString WhereOf(const QString& sTabelle, const QString& sKonten, const QString& sStichtag,
                const QString& sEinzelIds) {
    const QString sKontoIn = QStringLiteral(" AND KontoID IN (") + sKonten + QLatin1Char(')');
    if (sTabelle == QStringLiteral("Umsätze") || sTabelle == QStringLiteral("OffeneUmsätze"))
        return QStringLiteral("Buchungsdatum < '") + sStichtag + QLatin1Char('\'') + sKontoIn;
    if (sTabelle == QStringLiteral("UmsZusatz"))
        return QStringLiteral("BuchungsID < '") + sStichtag + QLatin1Char('\'') + sKontoIn;
    if (sTabelle == QStringLiteral("Aufträge"))
        return QStringLiteral("Status = 4 AND Datum < '") + sStichtag + QLatin1Char('\'') +
               sKontoIn;
    if (sTabelle == QStringLiteral("SammelAufträge"))
        return QStringLiteral("Status IN (1, 4) AND Datum < '") + sStichtag + QLatin1Char('\'') +
               sKontoIn;
    if (sTabelle == QStringLiteral("SammelEinzel"))
        return QStringLiteral("SammelID IN (") + sEinzelIds + QLatin1Char(')');
    return QStringLiteral("1");
}

// The bytes of a field as RawDatabase::Rows shows a BLOB (x'..'); empty for NULL.
QByteArray BlobOf(const QString& sFeld) {
    if (!sFeld.startsWith(QStringLiteral("x'"))) return {};
    return QByteArray::fromHex(sFeld.mid(2, sFeld.size() - 3).toLatin1());
}

}  // namespace

Expectation::Expectation(const QString& sPfad, const std::vector<QString>& aAuswahl,
                         const QDate& dStichtag)
    : sPfad_(sPfad), sStichtag_(dStichtag.toString(Qt::ISODate)) {
    QStringList konten;
    for (const QString& s : aAuswahl) konten << s;
    sKonten_ = konten.join(u',');
    // Items go with their order's execution date, which is stored scrambled.
    RawDatabase db(sPfad_);
    QStringList ids;
    for (const QString& zeile :
         db.Rows(QStringLiteral("SELECT id, AusfDatum FROM SammelAufträge WHERE Status IN (1, 4) "
                                "AND KontoID IN (") +
                 sKonten_ + QStringLiteral(") ORDER BY id"))) {
        const QString sAusf = PlainText(Decrypt(BlobOf(zeile.section(u'|', 1)), false));
        if (!sAusf.isEmpty() && sAusf < sStichtag_) ids << zeile.section(u'|', 0, 0);
    }
    sEinzelIds_ = ids.join(u',');
}

QStringList Expectation::All(const QString& sTabelle) const {
    RawDatabase db(sPfad_);
    return db.Rows(QStringLiteral("SELECT * FROM ") + sTabelle + QStringLiteral(" ORDER BY id"));
}

QStringList Expectation::Selected(const QString& sTabelle) const {
    RawDatabase db(sPfad_);
    return db.Rows(QStringLiteral("SELECT * FROM ") + sTabelle + QStringLiteral(" WHERE ") +
                   WhereOf(sTabelle, sKonten_, sStichtag_, sEinzelIds_) +
                   QStringLiteral(" ORDER BY id"));
}

QStringList Expectation::Remaining(const QString& sTabelle) const {
    QStringList rest = All(sTabelle);
    for (const QString& zeile : Selected(sTabelle)) rest.removeOne(zeile);
    return rest;
}

QStringList DumpAll(const QString& sPfad) {
    RawDatabase db(sPfad);
    QStringList dump;
    for (const QString& sTabelle : db.Rows(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
        dump << QStringLiteral("== ") + sTabelle;
        dump << db.Rows(QStringLiteral("SELECT * FROM \"") + sTabelle +
                        QStringLiteral("\" ORDER BY rowid"));
    }
    return dump;
}

QStringList DumpWithoutRenumbering(const QString& sPfad) {
    QStringList dump = DumpAll(sPfad);
    bool bKonten = false;
    for (QString& zeile : dump) {
        if (zeile.startsWith(QStringLiteral("== "))) bKonten = zeile == QStringLiteral("== Konten");
        if (!bKonten || zeile.startsWith(QStringLiteral("== "))) continue;
        QStringList felder = zeile.split(u'|');
        if (felder.size() > 1 && felder[1].startsWith(u'-')) felder[1] = QStringLiteral("-1");
        zeile = felder.join(u'|');
    }
    return dump;
}

QTemporaryDir* ArchiveScenario::suiteDir_ = nullptr;

void ArchiveScenario::SetUpTestSuite() {
    suiteDir_ = new QTemporaryDir();
}

void ArchiveScenario::TearDownTestSuite() {
    delete suiteDir_;
    suiteDir_ = nullptr;
}

QString ArchiveScenario::DemoFile() {
    const QString sPfad = suiteDir_->filePath(QStringLiteral("demo.dat"));
    if (!QFileInfo::exists(sPfad)) {
        DemoOptions options;
        options.sPfad = sPfad;
        options.lKonten = 12;
        options.lBanken = 4;
        options.lBuchungen = 4000;
        options.lJahre = 6;
        const Result<DemoSummary> demo = MakeDemoDatabase(options);
        EXPECT_TRUE(demo.ok()) << demo.status().description().toStdString();
    }
    return sPfad;
}

void ArchiveScenario::SetUp() {
    ResetSharedState();
    sVorher_ = DemoFile();
    sUser_ = dir_.filePath(QStringLiteral("bank.dat"));
    CopyFileForTest(sVorher_, sUser_);
    host_ = std::make_shared<IniHostServices>(dir_.filePath(QStringLiteral("host.ini")));
    InstallHostServices(host_);
    InstallClock([] { return kJetzt; });
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("archiv")));
    sZiel_ = dir_.filePath(QStringLiteral("archiv/Archiv 2023.aba"));
}

void ArchiveScenario::TearDown() {
    if (bGelaufen_) {
        const SharedState& g = Shared();
        EXPECT_TRUE(!g.cnDatenbank || g.cnDatenbank->State() == Connection::adStateClosed)
            << "the user database is still open after the run";
    }
    ResetSharedState();
    InstallClock({});
    InstallHostServices(nullptr);
    EXPECT_EQ(IntegrityCheck(sUser_), QStringLiteral("ok"));
    // Nothing of a run's own is left: no private folder, no lock file, no journal.
    QDirIterator it(dir_.path(), {QStringLiteral(".tolva-*"), QStringLiteral("*-journal")},
                    QDir::AllEntries | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) ADD_FAILURE() << "left behind: " << it.next().toStdString();
}

void ArchiveScenario::Prepare(const Lauf& lauf) {
    SharedState& g = Shared();
    g.sDatenbank = sUser_;
    g.cnDatenbank = std::make_unique<Connection>();
    ASSERT_TRUE(g.cnDatenbank->Open(BuildConnectionText(sUser_)).ok());
    g.oTools = CreateHostTools();
    form_.rows.clear();
    {
        RawDatabase db(sUser_);
        for (const QString& zeile :
             db.Rows(QStringLiteral("SELECT id, bankID FROM Konten ORDER BY id")))
            form_.rows.push_back(
                {QVariant(zeile.section(u'|', 0, 0).toLongLong()), zeile.section(u'|', 1, 1)});
    }
    g.oArchivForm = &form_;
    g.aKontenAuswahl = lauf.aAuswahl;
    g.lAuswahlAnzahl = static_cast<qint64>(lauf.aAuswahl.size());
    g.dStichtag = lauf.dStichtag;
    g.aKontenMitDaten.clear();
    g.aAnzahlDaten.clear();
    g.aInstitute.clear();
    FindAccountsWithData();
    ASSERT_TRUE(CollectBanks().ok());
    g.bEntfernen = lauf.bEntfernen;
    g.lPasswortModus = lauf.lPasswortModus;
    form_.newPassword = lauf.sNeuesPasswort;
}

QString ScrambledDate(const QString& sDatum) {
    const Result<QByteArray> scrambled = Encrypt(sDatum, false);
    EXPECT_TRUE(scrambled.ok());
    return QStringLiteral("x'") + QString::fromLatin1(scrambled.value().toHex()) +
           QLatin1Char('\'');
}

void ArchiveScenario::ChangeUserDatabase(const QString& sql) {
    {
        RawDatabase db(sUser_);
        db.Exec(sql);
    }
    sVorher_ = dir_.filePath(QStringLiteral("vorher.dat"));
    CopyFileForTest(sUser_, sVorher_);
}

QString ArchiveScenario::UseTemplate(const QString& sql) {
    EXPECT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("vorlage")));
    const QString sVorlage = dir_.filePath(QStringLiteral("vorlage/HbLeer.dat"));
    CopyFileForTest(IniHostServices::DataFolder() + QStringLiteral("HbLeer.dat"), sVorlage);
    if (!sql.isEmpty()) RawDatabase(sVorlage).Exec(sql);
    host_->SetSetting(3, dir_.filePath(QStringLiteral("vorlage")));
    return sVorlage;
}

StartErgebnis ArchiveScenario::Start(bool* bErfolg, const QString& sZiel,
                                     const QString& sSicherung) {
    ArchivStart start;
    start.sZielDatei = sZiel.isEmpty() ? sZiel_ : sZiel;
    start.bSichern = !sSicherung.isEmpty();
    start.sSicherungsDatei = sSicherung;
    start.bFrageOhneSicherung = bFrageOhneSicherung_;
    const StartErgebnis ergebnis = StartCreateArchive(start, bErfolg);
    bGelaufen_ = bGelaufen_ || ergebnis == StartErgebnis::Gelaufen;
    return ergebnis;
}

void ArchiveScenario::ExpectRunEnded() const {
    const SharedState& g = Shared();
    EXPECT_TRUE(!g.cnDatenbank || g.cnDatenbank->State() == Connection::adStateClosed)
        << "the user database is still open after the run";
    EXPECT_FALSE(form_.progressVisible);
    EXPECT_FALSE(form_.busy);
}

void ArchiveScenario::ExpectNothingChanged(const QString& sZiel) const {
    const QString ziel = sZiel.isEmpty() ? sZiel_ : sZiel;
    EXPECT_FALSE(QFileInfo::exists(ziel)) << ziel.toStdString();
    EXPECT_EQ(DumpAll(sUser_), DumpAll(sVorher_));
}

void ArchiveScenario::RunToTheEnd(const Lauf& lauf) {
    Prepare(lauf);
    bool bErfolg = false;
    ASSERT_EQ(Start(&bErfolg), StartErgebnis::Gelaufen);
    ASSERT_TRUE(bErfolg);
    ResetSharedState();
    boxes_->Clear();
}

}  // namespace tolva::test
