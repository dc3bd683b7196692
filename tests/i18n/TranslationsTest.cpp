// The English translation against the code: complete, finished, faithful to each text's
// placeholders, accelerators and line breaks, and what the program loads is what the file says.
#include "TranslationFile.h"
#include "text/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::TranslationEntry;
using test::TranslationFile;

const QString kQuellen = QStringLiteral(TOLVA_SOURCE_DIR);

QString Name(const TranslationEntry& e) {
    return e.sKontext + QStringLiteral(" | ") + e.sQuelle;
}

// Reports up to twenty names, and how many there are in all.
void ExpectNone(const QStringList& aFehler, const char* sWas) {
    EXPECT_TRUE(aFehler.isEmpty()) << aFehler.size() << ' ' << sWas << ":\n  "
                                   << qPrintable(aFehler.mid(0, 20).join(QStringLiteral("\n  ")));
}

TEST(TranslationsTest, EveryTextOfTheCodeHasAFinishedEnglishTranslation) {
    // lupdate over the code, into a copy of the file: what it adds is a text nobody translated,
    // what it drops a translation of a text that is gone.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString sKopie = ordner.filePath(QStringLiteral("tolva_en.ts"));
    ASSERT_TRUE(QFile::copy(kQuellen + QStringLiteral("/i18n/tolva_en.ts"), sKopie));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral("bash"),
                  {kQuellen + QStringLiteral("/i18n/update-translations.sh"), sKopie});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().constData();
    // lupdate's warnings name texts it cannot read (a tr() with a non-literal argument).
    EXPECT_EQ(lupdate.readAll(), QByteArray());

    QString sFehler;
    const std::optional<TranslationFile> neu = TranslationFile::Read(sKopie, &sFehler);
    ASSERT_TRUE(neu) << qPrintable(sFehler);
    const TranslationFile alt = TranslationFile::English();
    QStringList aOffen, aVerwaist;
    QSet<QString> imCode;
    for (const TranslationEntry& e : neu->Entries()) {
        imCode.insert(Name(e));
        if (e.bUnfertig || e.aFormen.isEmpty()) aOffen << Name(e);
    }
    for (const TranslationEntry& e : alt.Entries())
        if (!imCode.contains(Name(e))) aVerwaist << Name(e);
    ExpectNone(aOffen,
               "texts without a finished translation (i18n/update-translations.sh, then "
               "translate them in i18n/tolva_en.ts)");
    ExpectNone(aVerwaist, "translations of texts the code no longer has");
    EXPECT_GT(neu->Entries().size(), 500u);
}

// The %1 … %99 of a text, in order of number, each as often as it occurs.
QStringList Placeholders(const QString& s) {
    static const QRegularExpression platz(QStringLiteral("%(\\d+|n)"));
    QStringList a;
    for (auto it = platz.globalMatch(s); it.hasNext();) a << it.next().captured();
    a.sort();
    return a;
}

// The accelerator of a text: the letter after a single '&', or nothing.
bool HasAccelerator(const QString& s) {
    static const QRegularExpression kuerzel(QStringLiteral("(^|[^&])&[^&\\s]"));
    return kuerzel.match(s).hasMatch();
}

TEST(TranslationsTest, TranslationsKeepPlaceholdersAcceleratorsAndLineBreaks) {
    QStringList aFehler;
    const TranslationFile ts = TranslationFile::English();
    for (const TranslationEntry& e : ts.Entries()) {
        for (const QString& sForm : e.aFormen) {
            QStringList aQuelle = Placeholders(e.sQuelle), aForm = Placeholders(sForm);
            // A singular may leave out its count ("One transaction").
            if (e.bNumerus)
                aQuelle.removeAll(QStringLiteral("%n")), aForm.removeAll(QStringLiteral("%n"));
            if (aQuelle != aForm)
                aFehler << Name(e) + QStringLiteral(" -> placeholders of ") + sForm;
            if (HasAccelerator(e.sQuelle) != HasAccelerator(sForm))
                aFehler << Name(e) + QStringLiteral(" -> accelerator of ") + sForm;
            if (e.sQuelle.count(u'\n') != sForm.count(u'\n'))
                aFehler << Name(e) + QStringLiteral(" -> line breaks of ") + sForm;
            // An English button that opens a dialog may say so where the German does not.
            if (e.sQuelle.endsWith(u'…') && !sForm.endsWith(u'…'))
                aFehler << Name(e) + QStringLiteral(" -> the ellipsis of ") + sForm;
        }
    }
    ExpectNone(aFehler, "translations that lose part of their text");
}

TEST(TranslationsTest, TheProgramShowsTheFilesEnglishAndGermanAgainAfterwards) {
    const TranslationFile ts = TranslationFile::English();
    QStringList aFehler;
    {
        ScopedLanguage englisch(Sprache::Englisch);
        ASSERT_TRUE(englisch.ok());
        EXPECT_EQ(CurrentLanguage(), Sprache::Englisch);
        for (const TranslationEntry& e : ts.Entries()) {
            if (e.aFormen.isEmpty()) continue;
            const auto shown = [&](int n) {
                return QCoreApplication::translate(
                    e.sKontext.toUtf8().constData(), e.sQuelle.toUtf8().constData(),
                    e.sKommentar.isEmpty() ? nullptr : e.sKommentar.toUtf8().constData(), n);
            };
            // One of a thing in the singular, two in the plural.
            for (int n : e.bNumerus ? QList<int>{1, 2} : QList<int>{-1})
                if (shown(n) != e.aFormen[n == 2 ? e.aFormen.size() - 1 : 0])
                    aFehler << Name(e) + QStringLiteral(" -> ") + shown(n);
        }
    }
    ExpectNone(aFehler, "texts the program shows otherwise than the file says");
    // Removed at the end of the scope: the host's process is German again.
    const TranslationEntry& e = ts.Entries().front();
    EXPECT_EQ(QCoreApplication::translate(e.sKontext.toUtf8().constData(),
                                          e.sQuelle.toUtf8().constData()),
              e.sQuelle);
    EXPECT_EQ(CurrentLanguage(), Sprache::Deutsch);
}

}  // namespace
}  // namespace tolva
