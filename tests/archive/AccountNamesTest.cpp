// Account labels for lists: random account sets against the rule a reader applies by eye.
#include "archive/AccountNames.h"

#include <QSet>

#include <gtest/gtest.h>

#include <random>

namespace tolva {
namespace {

// How a reader compares two labels.
QString Look(const QString& s) {
    return s.simplified().toCaseFolded();
}

// The label of an account alone: the name, else the number, else the id.
QString Plain(const AccountName& k) {
    if (!k.sName.trimmed().isEmpty()) return k.sName;
    if (!k.sNummer.trimmed().isEmpty()) return k.sNummer;
    return QStringLiteral("Konto %1").arg(k.lKontoID);
}

// Names, numbers and IBANs drawn from a few values, so that they repeat, differ only in case
// or blanks, or are missing.
std::vector<AccountName> RandomAccounts(std::mt19937_64& rng) {
    const QString namen[] = {QString(),
                             QStringLiteral("Sparbuch"),
                             QStringLiteral("sparbuch "),
                             QStringLiteral("Giro  Heike"),
                             QStringLiteral("Giro Heike"),
                             QStringLiteral("4711")};
    const QString nummern[] = {QString(), QStringLiteral("4711"), QStringLiteral("0815"),
                               QStringLiteral("Sparbuch")};
    const QString ibans[] = {QString(), QStringLiteral("DE02 1203 0000 0000 2020 51"),
                             QStringLiteral("DE89370400440532012000"),
                             QStringLiteral("DE44500105175407324931")};
    std::vector<AccountName> konten(1 + rng() % 7);
    qint64 id = 0;
    for (AccountName& k : konten) {
        id += 1 + static_cast<qint64>(rng() % 3);
        k = AccountName{id, namen[rng() % 6], nummern[rng() % 4], ibans[rng() % 4]};
    }
    return konten;
}

TEST(AccountNamesTest, ListedAccountsAreAlwaysToldApartAndAloneKeepTheirPlainLabel) {
    for (quint64 lSeed = 1; lSeed <= 3000; ++lSeed) {
        std::mt19937_64 rng(lSeed);
        const std::vector<AccountName> konten = RandomAccounts(rng);
        const std::map<qint64, QString> labels = DistinctAccountLabels(konten);
        SCOPED_TRACE("seed " + std::to_string(lSeed));
        ASSERT_EQ(labels.size(), konten.size());
        QSet<QString> gesehen;
        for (const AccountName& k : konten) {
            const QString sSchlicht = Plain(k);
            int lGleiche = 0;
            for (const AccountName& j : konten) lGleiche += Look(Plain(j)) == Look(sSchlicht);
            const QString& sLabel = labels.at(k.lKontoID);
            if (lGleiche == 1) {
                EXPECT_EQ(sLabel, sSchlicht);
            } else {
                // A shared label adds, in brackets, what parts it: the number when it is not the
                // label itself, else the IBAN's end, else the id.
                EXPECT_TRUE(sLabel.startsWith(sSchlicht + QStringLiteral(" (")))
                    << sLabel.toStdString();
                const QString sZusatz = sLabel.mid(sSchlicht.size() + 2);
                const QString sIban = QString(k.sIban).remove(QLatin1Char(' '));
                if (!k.sNummer.isEmpty() && Look(k.sNummer) != Look(sSchlicht))
                    EXPECT_TRUE(sZusatz.startsWith(k.sNummer)) << sLabel.toStdString();
                else if (!sIban.isEmpty())
                    EXPECT_TRUE(sZusatz.startsWith(QStringLiteral("…") + sIban.right(4)))
                        << sLabel.toStdString();
                else
                    EXPECT_EQ(sZusatz, QStringLiteral("ID %1)").arg(k.lKontoID));
            }
            EXPECT_FALSE(gesehen.contains(Look(sLabel))) << "twice: " << sLabel.toStdString();
            gesehen.insert(Look(sLabel));
        }
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace tolva
