// Every window the pictures show (the wizard's pages, a finished run, the browser with its chart
// and search, the search across archives, the restore), driven as a user drives them, in
// German and in English: no text is cut off, and in English none is left German.
#include "TranslationFile.h"
#include "WindowTexts.h"
#include "WizardFixture.h"

#include "text/Language.h"
#include "window/PageRenderer.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tolva;
using namespace tolva::test;

class PagesInBothLanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWindowFitsAndSpeaksItsLanguage_data();
    void everyWindowFitsAndSpeaksItsLanguage();
};

void PagesInBothLanguagesTest::everyWindowFitsAndSpeaksItsLanguage_data() {
    QTest::addColumn<Sprache>("sprache");
    QTest::newRow("de") << Sprache::Deutsch;
    QTest::newRow("en") << Sprache::Englisch;
}

void PagesInBothLanguagesTest::everyWindowFitsAndSpeaksItsLanguage() {
    QFETCH(Sprache, sprache);
    const TranslationFile ts = TranslationFile::English();
    WizardEnvironment env;
    const QString sDatenbank = env.MakeDatabase(QStringLiteral("Haushaltsbuch.dat"), 12, 4);
    QTemporaryDir bilder;
    // As "tolva-archiv --lang" chooses it: the component's calls follow the program's language.
    SetProgramLanguage(sprache);
    const ScopedLanguage sprachScope(sprache);
    QStringList fehler;
    QSet<QString> gesehen;
    const Status s =
        RenderPages(sDatenbank, bilder.path(), [&](const QString& sBild, QWidget& fenster) {
            gesehen << sBild;
            for (const QString& sCut : CutTexts(&fenster))
                fehler << sBild + QStringLiteral(": ") + sCut;
            if (sprache != Sprache::Englisch) return;
            for (const QString& sText : VisibleTexts(&fenster))
                if (ts.IsUntranslatedGerman(sText))
                    fehler << sBild + QStringLiteral(": still German: ") + sText;
        });
    QVERIFY2(s.ok(), qPrintable(s.description()));
    QVERIFY2(gesehen.size() >= 14, qPrintable(QStringList(gesehen.values()).join(u' ')));
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
}

QTEST_MAIN(PagesInBothLanguagesTest)
#include "PagesInBothLanguagesTest.moc"
