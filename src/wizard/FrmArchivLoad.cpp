// frmArchiv: the load handler, the remove check box and the backup file name.
#include "wizard/FrmArchiv.h"

#include "database/Connection.h"
#include "database/ConnectionText.h"
#include "hostlib/Clock.h"
#include "hostlib/HostServices.h"
#include "hostlib/HostTools.h"
#include "hostlib/MessageBox.h"
#include "skin/ModBackground.h"
#include "skin/Twips.h"
#include "state/SharedState.h"
#include "widgets/FileDialogs.h"
#include "widgets/OleColour.h"
#include "wizard/CaptionLabel.h"
#include "wizard/KontenGrid.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>

#include <exception>

namespace tolva {
namespace {

const char* const kWarnung = QT_TRANSLATE_NOOP(
    "tolva::FrmArchiv",
    "Ist diese Option aktiviert werden alle Ihre Umsätze, gesendete Aufträge und "
    "Sammelaufträge vor diesem Datum aus der aktuellen Datenbank unwiderruflich gelöscht!");

}  // namespace

void FrmArchiv::FormLoad() {
    // A failing step leaves the rest undone; the window shows what the steps before it made.
    Status status;
    try {
        status = LoadHandlerSteps();
    } catch (const std::exception& fehler) {
        status = Status::Fail(QString::fromLocal8Bit(fehler.what()));
    }
    if (!status.ok())
        Host().ShowMessage(tr("Ein Fehler ist aufgetreten:\r\n%1").arg(status.description()),
                           vbOKOnly, tr("Archiv:FormLoad"), true, 0);
}

Status FrmArchiv::LoadHandlerSteps() {
    SharedState& g = Shared();
    HostServices& host = Host();

    lAktuelleSeite_ = 1;
    LayoutWindow(this, 10800, 0, true);
    setWindowTitle(tr("%1 - Archivierung von Daten").arg(host.GetSetting(kSettingProduktTitel)));

    // Setting 601 names the archive folder, with or without its trailing "/"; without the
    // setting the database's folder serves. Either way sArchivPfad ends with "/".
    g.sArchivPfad = FolderSetting(kSettingArchivPfad);
    if (g.sArchivPfad.isEmpty() && g.sDatenbank.contains(QLatin1Char('/')))
        g.sArchivPfad = g.sDatenbank.left(g.sDatenbank.lastIndexOf(QLatin1Char('/')) + 1);

    g.oTools = CreateHostTools();
    g.cnDatenbank = std::make_unique<Connection>();

    if (Status s = ApplyColours(); !s.ok()) return s;
    PlacePanels();

    if (!suiButtons_->LoadTemplate(g.sSkinPfad + QStringLiteral("Assistent.atp"))) {
        host.ShowMessage(tr("%1Assistent.atp nicht gefunden!").arg(g.sSkinPfad), vbOKOnly,
                         tr("Archivierungs-Assistent"), true, 0);
        Unload();
        return Status::Ok();
    }

    suiButtons_->SetFocusFrame(false);
    const QColor textFarbe = OleColour(g.lTextFarbe);
    for (int n = 1; n <= suiButtons_->ItemCount(); ++n) suiButtons_->SetItemColour(n, textFarbe);
    for (int n = 2; n <= 6; ++n) suiTabs_->SetItemEnabled(n, false);

    if (g.cnDatenbank->State() == Connection::adStateClosed) {
        const Status offen =
            g.cnDatenbank->Open(BuildConnectionText(g.sDatenbank), QString(), QString(), -1);
        if (!offen.ok()) return offen;
    }

    // The account grid takes the combo box's place: one row per entry of the combo box and one
    // more, two columns, the first 1800 twips wide with the check boxes, the last one filling
    // the rest.
    grdKonten_->SetRows(cboKonto_->count() + 1);
    grdKonten_->SetCols(2);
    // Column headers for assistive technology; the grid shows none.
    grdKonten_->setHorizontalHeaderLabels({tr("Konto"), tr("Bank")});
    grdKonten_->SetColWidth(0, 1800);
    grdKonten_->SetExtendLastCol(true);

    if (!FillAccountGrid(grdKonten_)) {
        host.ShowMessage(tr("Sie haben keine Konten eingerichtet."), vbOKOnly, QString(), true, 0);
        Unload();
        return Status::Ok();
    }

    ShowPage();
    GetChecked();
    dtVon_->setDate(CurrentDateTime().date());
    BuildDefaultFileName();
    ListArchives();
    optPasswort_Click(1);
    chkEntfern_Click();
    lblSich_->SetCaption(BackupFileName());
    lblWarnung_->SetCaption(tr(kWarnung));
    return Status::Ok();
}

QString FrmArchiv::BackupFileName() const {
    const QString sDatenbank = Shared().sDatenbank;
    HostServices& host = Host();
    QString ordner = host.GetSetting(kSettingLetzteSicherung);
    const QString basis = host.GetSetting(kSettingBasisPfad);
    if (ordner.isEmpty()) {
        ordner = basis + QStringLiteral("backup/");
        // A folder that holds no ordinary file (or does not exist) gives way to the base.
        if (QDir(ordner).entryList(QDir::Files).isEmpty()) ordner = basis;
    } else {
        ordner = ordner.left(ordner.lastIndexOf(QLatin1Char('/')) + 1);
    }
    const int p = sDatenbank.lastIndexOf(QLatin1Char('/')) + 1;  // 1-based, 0 = none
    if (!ordner.isEmpty() && p > 0) return ordner + sDatenbank.mid(p) + QStringLiteral(".BKA");
    return sDatenbank + QStringLiteral(".BKA");
}

void FrmArchiv::cmdSicherung_Click() {
    const QString sBisher = lblSich_->Caption();
    const auto datei = CurrentFileDialogs().ChooseFile(this, sBisher, QStringLiteral(".BKA"),
                                                       QFileInfo(sBisher).absolutePath());
    if (!datei || datei->trimmed().isEmpty()) return;
    QString sSicherung = QFileInfo(*datei).absoluteFilePath();
    if (!sSicherung.endsWith(QStringLiteral(".BKA"), Qt::CaseInsensitive))
        sSicherung += QStringLiteral(".BKA");
    lblSich_->SetCaption(sSicherung);
}

void FrmArchiv::chkEntfern_Click() {
    Shared().bEntfernen = CheckValue(chkEntfern_) == 1;
}

}  // namespace tolva
