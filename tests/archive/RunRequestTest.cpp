// The run and the survey take every input from their caller: a run made of a request alone,
// with the shared state left blank, archives what the ticks and the cut-off select; the
// command line's survey reports a count that cannot run, where the wizard's leaves it out.
#include "ArchiveScenario.h"

#include "archive/RunRequest.h"
#include "database/ConnectionText.h"
#include "database/Schema.h"
#include "hostlib/HostServices.h"
#include "state/SharedState.h"
#include "survey/Survey.h"

namespace tolva::test {
namespace {

class RunRequestTest : public ArchiveScenario {};

TEST_F(RunRequestTest, ARunMadeOfItsRequestAloneArchivesWhatItSelects) {
    const std::vector<QString> aAuswahl = {QStringLiteral("4"), QStringLiteral("1"),
                                           QStringLiteral("12")};
    const QDate dStichtag(2024, 3, 1);
    const Expectation erwartet(sVorher_, aAuswahl, dStichtag);
    Connection cnDatenbank;
    ASSERT_TRUE(cnDatenbank.Open(BuildConnectionText(sUser_)).ok());
    const std::unique_ptr<HostTools> tools = CreateHostTools();
    std::map<qint64, qint64> banken;
    for (const QString& z :
         RawDatabase(sUser_).Rows(QStringLiteral("SELECT id, bankID FROM Konten")))
        banken[z.section(u'|', 0, 0).toLongLong()] = z.section(u'|', 1, 1).toLongLong();
    const Result<Survey> survey = RunSurvey(cnDatenbank, *tools, aAuswahl, dStichtag,
                                            [&](qint64 id) { return banken.at(id); });
    ASSERT_TRUE(survey.ok()) << survey.error().description.toStdString();

    RunRequest auftrag;
    auftrag.sDatenbank = sUser_;
    auftrag.cnDatenbank = &cnDatenbank;
    auftrag.sVorlage = FolderSetting(kSettingVorlagenPfad) + QString::fromUtf8(kTemplateFileName);
    auftrag.sZielDatei = sZiel_;
    auftrag.bFrageOhneSicherung = false;
    auftrag.dStichtag = dStichtag;
    auftrag.aKontenAuswahl = aAuswahl;
    auftrag.survey = survey.value();
    auftrag.bEntfernen = true;
    auftrag.form = &form_;
    auftrag.tools = tools.get();
    auftrag.antworten = host_.get();
    const Result<RunOutcome> lauf = RunArchive(auftrag);

    ASSERT_TRUE(lauf.ok()) << lauf.error().description.toStdString();
    EXPECT_TRUE(lauf.value().bArchiviert);
    EXPECT_TRUE(lauf.value().bEntfernenBeendet);
    EXPECT_EQ(cnDatenbank.State(), Connection::adStateClosed);
    for (const char* t : kBewegungsTabellen) {
        const QString sTabelle = QString::fromUtf8(t);
        SCOPED_TRACE(t);
        EXPECT_EQ(RawDatabase(sZiel_).Rows(
                      QStringLiteral("SELECT * FROM \"%1\" ORDER BY id").arg(sTabelle)),
                  erwartet.Selected(sTabelle));
        EXPECT_EQ(lauf.value().aZeilen.at(sTabelle), erwartet.Selected(sTabelle).size());
        EXPECT_EQ(RawDatabase(sUser_).Rows(
                      QStringLiteral("SELECT * FROM \"%1\" ORDER BY id").arg(sTabelle)),
                  erwartet.Remaining(sTabelle));
    }
    // The banks of the accounts with data, as the survey found them.
    QStringList aBanken;
    for (const QString& sBank : survey.value().aInstitute) aBanken << sBank;
    aBanken.sort();
    EXPECT_EQ(RawDatabase(sZiel_).Rows(QStringLiteral("SELECT id FROM BankDaten ORDER BY id")),
              aBanken);
    // Nothing of the run went through the shared state.
    const SharedState& g = Shared();
    EXPECT_TRUE(g.sArchivDatei.isEmpty() && g.sArchivPfad.isEmpty() && !g.cnDatenbank);
}

TEST_F(RunRequestTest, TheCommandLinesSurveyReportsACountThatCannotRun) {
    ChangeUserDatabase(QStringLiteral("ALTER TABLE UmsZusatz RENAME TO UmsZusatzAlt"));
    Prepare();  // the wizard's survey: an account whose count fails is left out, silently
    EXPECT_FALSE(Shared().aKontenMitDaten.empty());
    const Result<Survey> survey = RunSurvey(*Shared().cnDatenbank, *Shared().oTools, kAuswahl,
                                            kStichtag, [](qint64) { return 0; });
    ASSERT_FALSE(survey.ok());
    EXPECT_TRUE(survey.error().description.contains(QStringLiteral("UmsZusatz")))
        << survey.error().description.toStdString();
}

}  // namespace
}  // namespace tolva::test
