// AccountRows: one reader of the user database's accounts.
#include "archive/AccountRows.h"

#include "archive/AccountNames.h"
#include "database/Recordset.h"
#include "text/Cp1252.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

#include <QCoreApplication>
#include <QHash>

namespace tolva {
namespace {

// A scrambled field as the bytes the cipher works on; Null is the empty text.
QByteArray ScrambledBytes(const QVariant& wert) {
    if (wert.isNull()) return QByteArray();
    if (wert.typeId() == QMetaType::QByteArray) return wert.toByteArray();
    return ToCp1252(wert.toString());
}

QString PlainField(Recordset& rs, const QString& sFeld) {
    const Result<QVariant> wert = rs.Field(sFeld);
    return wert.ok() ? PlainText(Decrypt(ScrambledBytes(wert.value()), false)) : QString();
}

// The banks' names by their id as text.
Result<QHash<QString, QString>> ReadBankNames(Connection& cnDatenbank) {
    Recordset rs;
    if (Status s =
            rs.Open(QStringLiteral("BankDaten"), cnDatenbank, adOpenStatic, adLockOptimistic, -1);
        !s.ok())
        return s.error();
    QHash<QString, QString> aNamen;
    while (!rs.Eof()) {
        const Result<QVariant> id = rs.Field(QStringLiteral("id"));
        const Result<QVariant> name = rs.Field(QStringLiteral("Name"));
        if (id.ok() && name.ok())
            aNamen.insert(id.value().toString(), name.value().toString().trimmed());
        if (Status s = rs.MoveNext(); !s.ok()) return s.error();
    }
    return aNamen;
}

}  // namespace

Result<std::vector<AccountRow>> ReadAccounts(Connection& cnDatenbank) {
    Result<QHash<QString, QString>> banken = ReadBankNames(cnDatenbank);
    if (!banken.ok()) return banken.error();
    Recordset rs;
    if (Status s =
            rs.Open(QStringLiteral("Konten"), cnDatenbank, adOpenStatic, adLockOptimistic, -1);
        !s.ok())
        return s.error();
    const int id = rs.FieldIndex(QStringLiteral("id"));
    const int bank = rs.FieldIndex(QStringLiteral("bankID"));
    if (id < 0 || bank < 0)
        return Error{QCoreApplication::translate(
            "AccountRows", "Die Tabelle Konten hat nicht die erwarteten Felder.")};
    std::vector<AccountRow> konten;
    std::vector<AccountName> namen;
    while (!rs.Eof()) {
        AccountRow k;
        k.lKontoID = rs.Field(id).toString().trimmed().toLongLong();
        k.sName = PlainField(rs, QStringLiteral("KontoName"));
        k.sNummer = PlainField(rs, QStringLiteral("KontoNummer"));
        if (const Result<QVariant> iban = rs.Field(QStringLiteral("IBAN")); iban.ok())
            k.sIban = iban.value().toString();
        k.sBankID = rs.Field(bank).toString();
        k.sBank = banken.value().value(k.sBankID);
        namen.push_back(AccountName{k.lKontoID, k.sName, k.sNummer, k.sIban});
        konten.push_back(std::move(k));
        if (Status s = rs.MoveNext(); !s.ok()) return s.error();
    }
    const std::map<qint64, QString> labels = DistinctAccountLabels(namen);
    for (AccountRow& k : konten) k.sLabel = labels.at(k.lKontoID);
    return konten;
}

}  // namespace tolva
