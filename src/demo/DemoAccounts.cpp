// DemoAccounts: the banks, accounts and payees of a demo database, planned before writing.
#include "demo/DemoAccounts.h"

#include "demo/DemoNames.h"
#include "demo/DemoText.h"

#include <QSet>

namespace tolva::demo {

namespace {

const AccountKind kKontoArten[] = {AccountKind::Giro,      AccountKind::Kreditkarte,
                                   AccountKind::Tagesgeld, AccountKind::Giro,
                                   AccountKind::Sparkonto, AccountKind::Giro};

const char* const kGiroNamen[] = {"Girokonto", "Gehaltskonto", "Haushaltskonto",
                                  "Gemeinschaftskonto"};
const char* const kKartenNamen[] = {"Visa Card", "Mastercard Gold", "Kreditkarte"};
const char* const kTagesgeldNamen[] = {"Tagesgeld", "Tagesgeldkonto Urlaub", "Extra-Konto"};
const char* const kSparNamen[] = {"Sparbuch", "Sparkonto Kinder", "Prämiensparen"};

QString Digits(DemoRandom& rng, int lStellen) {
    TextBuffer text;
    for (int i = 0; i < lStellen; ++i) text.AppendNumber(rng.Below(10));
    return text.ToString();
}

QString AccountName(AccountKind kind, const QString& sInhaber, DemoRandom& rng) {
    switch (kind) {
        case AccountKind::Giro:
            return QString::fromUtf8(rng.Pick(kGiroNamen, std::size(kGiroNamen))) + ' ' + sInhaber;
        case AccountKind::Kreditkarte:
            return QString::fromUtf8(rng.Pick(kKartenNamen, std::size(kKartenNamen)));
        case AccountKind::Tagesgeld:
            return QString::fromUtf8(rng.Pick(kTagesgeldNamen, std::size(kTagesgeldNamen)));
        case AccountKind::Sparkonto:
            return QString::fromUtf8(rng.Pick(kSparNamen, std::size(kSparNamen)));
    }
    return QString();
}

int AccountWeight(AccountKind kind, DemoRandom& rng) {
    switch (kind) {
        case AccountKind::Giro:
            return 30 + static_cast<int>(rng.Below(20));
        case AccountKind::Kreditkarte:
            return 8 + static_cast<int>(rng.Below(6));
        case AccountKind::Tagesgeld:
            return 2;
        case AccountKind::Sparkonto:
            return 1;
    }
    return 1;
}

}  // namespace

QString GermanIban(const QString& sBlz, const QString& sKontoNummer) {
    const QString sBban = sBlz + sKontoNummer.rightJustified(10, '0');
    // Check digits: the BBAN followed by "DE00" with letters as numbers (D = 13, E = 14),
    // modulo 97, subtracted from 98.
    const QString sPruef = sBban + QStringLiteral("131400");
    int lRest = 0;
    for (QChar c : sPruef) lRest = (lRest * 10 + c.digitValue()) % 97;
    const int lPruefziffern = 98 - lRest;
    return QStringLiteral("DE") + QString::number(lPruefziffern).rightJustified(2, '0') + sBban;
}

std::vector<BankPlan> PlanBanks(int lBanken, DemoRandom& rng) {
    const auto aListe = Banks();
    const size_t lStart = rng.Below(aListe.size());
    QSet<QString> aBlz;
    std::vector<BankPlan> aBanken;
    aBanken.reserve(static_cast<size_t>(lBanken));
    for (int i = 0; i < lBanken; ++i) {
        const BankEntry& eintrag = aListe[(lStart + static_cast<size_t>(i)) % aListe.size()];
        const int lRunde = i / static_cast<int>(aListe.size());
        BankPlan bank;
        bank.id = i + 1;
        do {
            bank.sBlz = QString::fromLatin1(eintrag.sBlzRegion) +
                        QChar::fromLatin1(eintrag.cGruppe) + Digits(rng, 4);
        } while (aBlz.contains(bank.sBlz));
        aBlz.insert(bank.sBlz);
        bank.sName = QString::fromUtf8(eintrag.sName);
        bank.sOrt = QString::fromUtf8(eintrag.sOrt);
        bank.sBic = QString::fromLatin1(eintrag.sBicBank) + QStringLiteral("DE") +
                    QString::fromLatin1(eintrag.sBicOrt);
        if (lRunde == 0) {
            bank.sBic += QStringLiteral("XXX");
        } else {
            bank.sName += QStringLiteral(", Zweigstelle %1").arg(lRunde + 1);
            bank.sBic += QString::number(100 + lRunde % 900);
        }
        aBanken.push_back(bank);
    }
    return aBanken;
}

std::vector<AccountPlan> PlanAccounts(int lKonten, const std::vector<BankPlan>& aBanken, int lTage,
                                      DemoRandom& rng) {
    TextBuffer inhaber;
    inhaber.Append(FirstNames()[rng.Below(FirstNames().size())]);
    const QString sInhaber = inhaber.ToString();

    std::vector<AccountPlan> aKonten;
    aKonten.reserve(static_cast<size_t>(lKonten));
    qint64 lNaechsteNr = 1;
    for (int k = 0; k < lKonten; ++k) {
        AccountPlan konto;
        konto.id = k + 1;
        konto.kind = kKontoArten[k % std::size(kKontoArten)];
        // Accounts the host has not numbered yet carry -1 or -3.
        if (k % 5 == 2)
            konto.lNr = (k / 5) % 2 == 0 ? -1 : -3;
        else
            konto.lNr = lNaechsteNr++;
        const QString sName = AccountName(konto.kind, sInhaber, rng);
        if (k % 4 != 3) konto.sName = sName;
        konto.sNummer = Digits(rng, 10);
        const size_t lBank = static_cast<size_t>(k) < aBanken.size() ? static_cast<size_t>(k)
                                                                     : rng.Below(aBanken.size());
        konto.lBankID = aBanken[lBank].id;
        konto.sIban = GermanIban(aBanken[lBank].sBlz, konto.sNummer);
        konto.lGewicht = AccountWeight(konto.kind, rng);
        const int lSpaetester = lTage > 60 ? lTage - 60 : 1;
        if (k > 0 && rng.Chance(30)) konto.lStartTag = static_cast<int>(rng.Below(lSpaetester));
        aKonten.push_back(konto);
    }
    return aKonten;
}

std::vector<PayeePlan> PlanPayees(DemoRandom& rng) {
    std::vector<PayeePlan> aEmpfaenger;
    const auto aBanken = Banks();
    auto addPayee = [&](const QString& sName) {
        const BankEntry& bank = aBanken[rng.Below(aBanken.size())];
        const QString sBlz =
            QString::fromLatin1(bank.sBlzRegion) + QChar::fromLatin1(bank.cGruppe) + Digits(rng, 4);
        PayeePlan empfaenger;
        empfaenger.sName = sName;
        empfaenger.sIban = GermanIban(sBlz, Digits(rng, 10));
        empfaenger.sBic = QString::fromLatin1(bank.sBicBank) + QStringLiteral("DE") +
                          QString::fromLatin1(bank.sBicOrt) + QStringLiteral("XXX");
        aEmpfaenger.push_back(empfaenger);
    };
    for (const char* sFirma : BookingMaker::TransferPayees()) addPayee(QString::fromUtf8(sFirma));
    QSet<QString> aPersonen;
    while (aPersonen.size() < 16) {
        TextBuffer person;
        AppendPersonName(rng, person);
        const QString sPerson = person.ToString();
        if (aPersonen.contains(sPerson)) continue;
        aPersonen.insert(sPerson);
        addPayee(sPerson);
    }
    return aEmpfaenger;
}

}  // namespace tolva::demo
