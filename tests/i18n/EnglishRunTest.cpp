// The create job with removal through the command line, once in German and once in English on
// the same files: every English line is the translation file's English of the German line's
// text with the same values, and the job writes the same German archive in both languages.
#include "ProgramRun.h"
#include "TranslationFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

using test::RunProgram;
using test::TranslationEntry;
using test::TranslationFile;

// A translation entry as a pattern over printed text: its placeholders match any value.
struct Pattern {
    QRegularExpression muster;
    QList<int> nummern;  // the placeholder's number for each captured group
    QString sEnglisch;
    QString sEinzahl;  // an entry with plural forms: its English for a count (%1) of one
};

std::vector<Pattern> Patterns(const TranslationFile& ts) {
    static const QRegularExpression platz(QStringLiteral("%(\\d+)"));
    static const QRegularExpression ohneText(QStringLiteral("^[\\W\\d%]*$"));
    std::vector<Pattern> muster;
    for (const TranslationEntry& e : ts.Entries()) {
        // A text of placeholders and punctuation alone would pass any line through.
        if (e.aFormen.isEmpty() || ohneText.match(e.sQuelle).hasMatch()) continue;
        const QString sQuelle =
            QString(e.sQuelle).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        Pattern p;
        QString sRegex;
        qsizetype lVon = 0;
        for (auto it = platz.globalMatch(sQuelle); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            sRegex += QRegularExpression::escape(sQuelle.mid(lVon, m.capturedStart() - lVon)) +
                      QStringLiteral("(.*?)");
            p.nummern << m.captured(1).toInt();
            lVon = m.capturedEnd();
        }
        sRegex += QRegularExpression::escape(sQuelle.mid(lVon));
        p.muster.setPattern(QRegularExpression::anchoredPattern(sRegex));
        p.sEnglisch =
            QString(e.aFormen.last()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (e.bNumerus)
            p.sEinzahl =
                QString(e.aFormen[0]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        muster.push_back(std::move(p));
    }
    return muster;
}

// A text with the separators inside its numbers taken out: "2.043" and "2,043" are one count.
QString WithoutGroupSeparators(QString s) {
    static const QRegularExpression trenner(QStringLiteral("(?<=\\d)[.,](?=\\d)"));
    return s.remove(trenner);
}

// Whether some entry's German matches sDeutsch and its English, with the same values (numbers
// in either language's form), is sEnglisch.
bool TranslatedAlike(const std::vector<Pattern>& muster, const QString& sDeutsch,
                     const QString& sEnglisch) {
    for (const Pattern& p : muster) {
        const QRegularExpressionMatch m = p.muster.match(sDeutsch);
        if (!m.hasMatch()) continue;
        QString sErwartet = p.sEnglisch;
        const qsizetype lZahl = p.nummern.indexOf(1);
        if (!p.sEinzahl.isEmpty() && lZahl >= 0 && m.captured(lZahl + 1) == u"1")
            sErwartet = p.sEinzahl;
        // Highest numbers first, so that %1 does not take the front of %10.
        QList<int> reihe(p.nummern.size());
        for (int i = 0; i < reihe.size(); ++i) reihe[i] = i;
        std::sort(reihe.begin(), reihe.end(),
                  [&](int a, int b) { return p.nummern[a] > p.nummern[b]; });
        for (int i : reihe)
            sErwartet.replace(QStringLiteral("%%1").arg(p.nummern[i]), m.captured(i + 1));
        if (WithoutGroupSeparators(sErwartet) == WithoutGroupSeparators(sEnglisch)) return true;
    }
    return false;
}

// Whether the pair is one entry's German and English, or what the terminal makes of a message
// box: "title: text" and a question's answer after it (" [j/N] j (--yes)"), each part an entry.
bool Explained(const TranslationFile& ts, const std::vector<Pattern>& muster,
               const QString& sDeutsch, const QString& sEnglisch) {
    if (TranslatedAlike(muster, sDeutsch, sEnglisch)) return true;
    for (const TranslationEntry& e : ts.Entries()) {
        if (!e.sQuelle.startsWith(u' ') || e.aFormen.isEmpty()) continue;
        if (sDeutsch.endsWith(e.sQuelle) && sEnglisch.endsWith(e.aFormen[0]) &&
            Explained(ts, muster, sDeutsch.chopped(e.sQuelle.size()),
                      sEnglisch.chopped(e.aFormen[0].size())))
            return true;
    }
    const QString sTrenner = QStringLiteral(": ");
    for (qsizetype d = sDeutsch.indexOf(sTrenner); d > 0; d = sDeutsch.indexOf(sTrenner, d + 1))
        for (qsizetype e = sEnglisch.indexOf(sTrenner); e > 0;
             e = sEnglisch.indexOf(sTrenner, e + 1))
            if (TranslatedAlike(muster, sDeutsch.left(d), sEnglisch.left(e)) &&
                Explained(ts, muster, sDeutsch.mid(d + 2), sEnglisch.mid(e + 2)))
                return true;
    return false;
}

struct Job {
    test::ProgramRun lauf;
    QJsonArray archive;  // list --json of the folder afterwards
};

// The job on a fresh copy of sVorlage in sOrdner, whose files are made again each time.
Job RunCreate(const QString& sSprache, const QString& sVorlage, QDir ordner) {
    for (const QString& sName : ordner.entryList(QDir::Files)) ordner.remove(sName);
    const QString sDatenbank = ordner.filePath(QStringLiteral("Bank.db"));
    EXPECT_TRUE(QFile::copy(sVorlage, sDatenbank));
    Job job;
    job.lauf = RunProgram(
        test::ProgramOfThisBuild(),
        {QStringLiteral("--lang"), sSprache, QStringLiteral("create"), QStringLiteral("--db"),
         sDatenbank, QStringLiteral("--before"), QStringLiteral("2025-01-01"),
         QStringLiteral("--out"), ordner.filePath(QStringLiteral("Alt.aba")),
         QStringLiteral("--remove"), QStringLiteral("--password-mode"), QStringLiteral("none"),
         QStringLiteral("--yes")});
    const test::ProgramRun liste = RunProgram(
        test::ProgramOfThisBuild(), {QStringLiteral("--lang"), sSprache, QStringLiteral("list"),
                                     QStringLiteral("--json"), ordner.path()});
    job.archive = QJsonDocument::fromJson(liste.sOut.toUtf8()).array();
    return job;
}

TEST(EnglishRunTest, TheCreateJobSpeaksEnglishAndWritesWhatItWritesInGerman) {
    QTemporaryDir arbeit;
    ASSERT_TRUE(arbeit.isValid());
    const QString sVorlage = arbeit.filePath(QStringLiteral("Vorlage.db"));
    ASSERT_EQ(
        RunProgram(test::ProgramOfThisBuild(),
                   {QStringLiteral("demo-db"), QStringLiteral("--accounts"), QStringLiteral("4"),
                    QStringLiteral("--bookings"), QStringLiteral("3000"), sVorlage})
            .lExitCode,
        0);
    QDir ordner(arbeit.path());
    ASSERT_TRUE(ordner.mkdir(QStringLiteral("lauf")) && ordner.cd(QStringLiteral("lauf")));
    const Job deutsch = RunCreate(QStringLiteral("de"), sVorlage, ordner);
    const Job englisch = RunCreate(QStringLiteral("en"), sVorlage, ordner);
    ASSERT_EQ(deutsch.lauf.lExitCode, 0) << qPrintable(deutsch.lauf.sErr);
    ASSERT_EQ(englisch.lauf.lExitCode, 0) << qPrintable(englisch.lauf.sErr);

    const TranslationFile ts = TranslationFile::English();
    const std::vector<Pattern> muster = Patterns(ts);
    const QString sDeutsch = QString(deutsch.lauf.sOut + deutsch.lauf.sErr).remove(u'\r');
    const QString sEnglisch = QString(englisch.lauf.sOut + englisch.lauf.sErr).remove(u'\r');
    const QStringList de = sDeutsch.split(u'\n'), en = sEnglisch.split(u'\n');
    ASSERT_EQ(de.size(), en.size()) << qPrintable(sDeutsch + u'\n' + sEnglisch);
    int lUebersetzt = 0;
    for (qsizetype i = 0; i < de.size();) {
        // A text may span lines: the shortest run of lines that one entry explains.
        qsizetype k = 1;
        for (; k <= 4 && i + k <= de.size(); ++k)
            if (Explained(ts, muster, de.mid(i, k).join(u'\n'), en.mid(i, k).join(u'\n'))) break;
        if (k > 4 || i + k > de.size()) {
            // A line no entry explains is the same in both (a path, a number), and no text of
            // the file: else it was left German.
            EXPECT_EQ(en[i].toStdString(), de[i].toStdString())
                << "line " << i << " is not the English of its German";
            EXPECT_FALSE(
                std::any_of(muster.begin(), muster.end(),
                            [&](const Pattern& p) { return p.muster.match(de[i]).hasMatch(); }))
                << "line " << i
                << " is German the translation file has English for: " << de[i].toStdString();
            k = 1;
        } else if (de.mid(i, k) != en.mid(i, k)) {
            ++lUebersetzt;
        }
        i += k;
    }
    EXPECT_GE(lUebersetzt, 10) << qPrintable(sEnglisch);

    // The same archive, described in German, whatever language made it.
    ASSERT_EQ(deutsch.archive.size(), 1);
    ASSERT_EQ(englisch.archive.size(), 1);
    static const QRegularExpression uhrzeit(QStringLiteral("\\d\\d:\\d\\d:\\d\\d"));
    const auto beschreibung = [](const QJsonArray& a) {
        return a[0]
            .toObject()[QStringLiteral("beschreibung")]
            .toVariant()
            .toStringList()
            .join(u'\n')
            .replace(uhrzeit, QStringLiteral("hh:mm:ss"));
    };
    EXPECT_EQ(beschreibung(englisch.archive), beschreibung(deutsch.archive));
    EXPECT_FALSE(ts.IsUntranslatedGerman(beschreibung(deutsch.archive)));
}

}  // namespace
}  // namespace tolva
