// GetAccountLabel: the name of an account as the user knows it.
#include "archive/ModArchiv.h"

#include "database/Recordset.h"
#include "state/SharedState.h"
#include "text/ModCrypt.h"
#include "text/PlainText.h"

namespace tolva {

void ReadAccountLabel(Connection& cnDatenbank, qint64 lKontoID, QString& sLabel) {
    Recordset rs;
    if (!rs.Open(QStringLiteral("Select * from Konten where ID = ") + QString::number(lKontoID),
                 cnDatenbank, adOpenKeyset, adLockOptimistic, adCmdTableDirect)
             .ok())
        return;
    if (!rs.Eof()) {
        const Result<QVariant> name = rs.Field(QStringLiteral("KontoName"));
        sLabel = name.ok() ? PlainText(Decrypt(name.value().toByteArray(), false)) : QString();
        if (sLabel.isEmpty()) {
            const Result<QVariant> nummer = rs.Field(QStringLiteral("KontoNummer"));
            if (nummer.ok()) sLabel = PlainText(Decrypt(nummer.value().toByteArray(), false));
        }
    }
    rs.Close();
}

void GetAccountLabel(qint64 lKontoID, QString& sLabel) {
    SharedState& g = Shared();
    if (g.cnDatenbank) ReadAccountLabel(*g.cnDatenbank, lKontoID, sLabel);
}

}  // namespace tolva
