// AccountNames: labels that tell the listed accounts apart.
#include "archive/AccountNames.h"

#include <QHash>

namespace tolva {
namespace {

// What makes two labels look alike to a reader.
QString LookOf(const QString& sLabel) {
    return sLabel.simplified().toCaseFolded();
}

QString IdTag(qint64 lKontoID) {
    return QStringLiteral("ID %1").arg(lKontoID);
}

// What an account adds when its plain label is shared.
QString TagOf(const AccountName& k, const QString& sPlain) {
    const QString sNummer = k.sNummer.trimmed();
    if (!sNummer.isEmpty() && LookOf(sNummer) != LookOf(sPlain)) return sNummer;
    const QString sIban = k.sIban.simplified().remove(QLatin1Char(' '));
    if (!sIban.isEmpty()) return QStringLiteral("…") + sIban.right(4);
    return IdTag(k.lKontoID);
}

// How many of the labels look like each one.
QHash<QString, int> CountLooks(const std::map<qint64, QString>& labels) {
    QHash<QString, int> anzahl;
    for (const auto& [id, sLabel] : labels) ++anzahl[LookOf(sLabel)];
    return anzahl;
}

}  // namespace

QString PlainAccountLabel(const AccountName& k) {
    if (!k.sName.trimmed().isEmpty()) return k.sName;
    if (!k.sNummer.trimmed().isEmpty()) return k.sNummer;
    return QStringLiteral("Konto %1").arg(k.lKontoID);
}

std::map<qint64, QString> DistinctAccountLabels(const std::vector<AccountName>& konten) {
    std::map<qint64, QString> labels;
    std::map<qint64, QString> tags;
    for (const AccountName& k : konten) labels[k.lKontoID] = PlainAccountLabel(k);
    const QHash<QString, int> schlicht = CountLooks(labels);
    for (const AccountName& k : konten) {
        QString& sLabel = labels[k.lKontoID];
        if (schlicht.value(LookOf(sLabel)) < 2) continue;
        tags[k.lKontoID] = TagOf(k, sLabel);
        sLabel += QStringLiteral(" (") + tags[k.lKontoID] + QLatin1Char(')');
    }
    // Two of the same name and number (two banks, or a copy): the id parts them.
    const QHash<QString, int> ergaenzt = CountLooks(labels);
    for (const AccountName& k : konten) {
        QString& sLabel = labels[k.lKontoID];
        const auto tag = tags.find(k.lKontoID);
        if (ergaenzt.value(LookOf(sLabel)) < 2 || tag == tags.end() ||
            tag->second == IdTag(k.lKontoID))
            continue;
        sLabel = PlainAccountLabel(k) + QStringLiteral(" (") + tag->second + QStringLiteral(", ") +
                 IdTag(k.lKontoID) + QLatin1Char(')');
    }
    return labels;
}

}  // namespace tolva
