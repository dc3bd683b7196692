// The dialog that names the database's account for archive accounts without a match.
#include "browser/AccountMappingDialog.h"
#include "text/DisplayFormat.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva {

AccountMappingDialog::AccountMappingDialog(const std::vector<MissingAccount>& fehlend,
                                           const std::map<qint64, QString>& lebend, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmKontenZuordnen"));
    setWindowTitle(tr("Konten zuordnen"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        tr("Das Archiv enthält Einträge von Konten, die es selbst nicht enthält; es wurde vor "
           "der Version angelegt, die jedes Konto mitspeichert. Zu welchem Konto der Datenbank "
           "diese Einträge gehören, lässt sich nicht sicher sagen.\n\nWählen Sie für jedes "
           "Konto, wohin seine Einträge zurückgeholt werden, oder lassen Sie sie im Archiv."),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* formular = new QFormLayout();
    for (const MissingAccount& m : fehlend) {
        auto* wahl = new QComboBox(this);
        wahl->setObjectName(QStringLiteral("cboKonto%1").arg(m.id));
        wahl->addItem(tr("nicht zurückholen"));
        for (const auto& [id, sLabel] : lebend)
            wahl->addItem(tr("%1 (Nummer %2)").arg(sLabel, QString::number(id)), id);
        const QString sZeile = tr("Konto %1 im Archiv (%2 %3):")
                                   .arg(QString::number(m.id), DisplayCount(m.lZeilen),
                                        m.tabellen.join(QStringLiteral(", ")));
        auto* beschriftung = new QLabel(sZeile, this);
        beschriftung->setBuddy(wahl);
        wahl->setAccessibleName(sZeile);
        formular->addRow(beschriftung, wahl);
        auswahl_.emplace_back(m.id, wahl);
    }
    layout->addLayout(formular);
    layout->addStretch(1);
    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* zurueck = knoepfe->addButton(tr("Zurückholen"), QDialogButtonBox::AcceptRole);
    zurueck->setObjectName(QStringLiteral("cmdZurueckholen"));
    knoepfe->addButton(QDialogButtonBox::Cancel);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knoepfe);
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

std::map<qint64, std::optional<qint64>> AccountMappingDialog::Zuordnung() const {
    std::map<qint64, std::optional<qint64>> zuordnung;
    for (const auto& [id, wahl] : auswahl_) {
        const QVariant ziel = wahl->currentData();
        zuordnung[id] = ziel.isValid() ? std::optional<qint64>(ziel.toLongLong()) : std::nullopt;
    }
    return zuordnung;
}

}  // namespace tolva
