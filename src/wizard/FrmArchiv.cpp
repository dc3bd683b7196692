// frmArchiv: construction, the window's life, its progress display and its colours.
#include "wizard/FrmArchiv.h"

#include "hostlib/HostServices.h"
#include "skin/FocusLabel.h"
#include "skin/SkinLine.h"
#include "skin/Twips.h"
#include "state/SharedState.h"
#include "widgets/OleColour.h"
#include "wizard/CaptionLabel.h"
#include "wizard/KontenGrid.h"
#include "wizard/PlanView.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>

namespace tolva {
namespace {

// Text colours that read well on a background, dark on light and light on dark.
struct TextColours {
    QColor text, titel, leise, achtung;
};

TextColours ColoursFor(const QColor& hintergrund) {
    if (hintergrund.lightness() >= 128)
        return {QColor(0x26, 0x33, 0x45), QColor(0x17, 0x2a, 0x45), QColor(0x5a, 0x68, 0x7a),
                QColor(0xb0, 0x3a, 0x2e)};
    return {QColor(0xe8, 0xee, 0xf5), QColor(0xff, 0xff, 0xff), QColor(0xb5, 0xc2, 0xd2),
            QColor(0xff, 0x9c, 0x8a)};
}

void Paint(QWidget* w, const QColor& hintergrund, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, hintergrund);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, QColor(0x1f, 0x29, 0x37));
    w->setPalette(p);
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
}

// One palette for the window and every control in it: the style's own light palette with the
// host's background and the text colours that read on it, every role of every group set, so
// that a dark (or any other) system theme does not reach into the window.
QPalette WindowPalette(const QStyle& stil, const QColor& hintergrund, const TextColours& farben) {
    QPalette p = stil.standardPalette();
    p.setResolveMask(~QPalette::ResolveMask(0));  // every role counts as set
    for (auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppe, QPalette::Window, hintergrund);
        p.setColor(gruppe, QPalette::WindowText, farben.text);
    }
    QColor gedimmt = farben.text;
    gedimmt.setAlpha(120);
    p.setColor(QPalette::Disabled, QPalette::Window, hintergrund);
    p.setColor(QPalette::Disabled, QPalette::WindowText, gedimmt);
    return p;
}

// The look of the controls inside the pages: the browse buttons match the button bar, the
// lists breathe a little, passwords show "*".
const char* const kSeitenStil = R"(
QPushButton#cmdDurchsuchen_0, QPushButton#cmdDurchsuchen_1, QPushButton#cmdSicherung {
    padding: 3px 12px;
    border: 1px solid #b6c2d1;
    border-radius: 4px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #eaf0f6);
    color: #202d40;
}
QPushButton#cmdDurchsuchen_0:hover, QPushButton#cmdDurchsuchen_1:hover,
QPushButton#cmdSicherung:hover {
    border-color: #4a7fbf;
}
QPushButton#cmdDurchsuchen_0:pressed, QPushButton#cmdDurchsuchen_1:pressed,
QPushButton#cmdSicherung:pressed {
    background: #dbe5f1;
}
QListWidget::item {
    padding: 1px 3px;
}
QLineEdit#txtPasswort_0, QLineEdit#txtPasswort_1 {
    lineedit-password-character: 42;
}
)";

}  // namespace

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

FrmArchiv::FrmArchiv(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildControls();
    DescribeControls();
    OrderTabChain();
    ConnectControls();
}

FrmArchiv::~FrmArchiv() {
    if (bBusy_) QApplication::restoreOverrideCursor();
}

void FrmArchiv::ConnectControls() {
    connect(suiButtons_, &SuiButtons::ItemClick, this, &FrmArchiv::suiButtons_ItemClick);
    connect(suiTabs_, &SuiTabs::ItemClick, this, &FrmArchiv::suiTabs_ItemClick);
    connect(grdKonten_, &KontenGrid::AfterEdit, this, &FrmArchiv::grdKonten_AfterEdit);
    connect(chkEntfern_, &QCheckBox::clicked, this, [this] { chkEntfern_Click(); });
    // Without a backup there is no place to choose.
    connect(chkSichern_, &QCheckBox::toggled, cmdSicherung_, &QPushButton::setEnabled);
    connect(cmdSicherung_, &QPushButton::clicked, this, [this] {
        if (!bUnloaded_) cmdSicherung_Click();
    });
    for (int i = 0; i < 2; ++i) {
        connect(optDaten_[i], &QRadioButton::clicked, this, [this, i] {
            if (!bUnloaded_) optDaten_Click(i);
        });
        connect(cmdDurchsuchen_[i], &QPushButton::clicked, this, [this, i] {
            if (!bUnloaded_) cmdDurchsuchen_Click(i);
        });
    }
    for (int i = 0; i < 3; ++i) {
        connect(optPasswort_[i], &QRadioButton::clicked, this, [this, i] {
            if (!bUnloaded_) optPasswort_Click(i);
        });
    }
    connect(lstArchiv_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!bUnloaded_ && row >= 0) lstArchiv_Click();
    });
}

void FrmArchiv::ShowModal() {
    bUnloaded_ = false;
    FormLoad();
    if (bUnloaded_) return;
    exec();
    bUnloaded_ = true;
}

void FrmArchiv::Unload() {
    if (bUnloaded_) return;
    bUnloaded_ = true;
    QDialog::done(QDialog::Rejected);
}

void FrmArchiv::reject() {
    if (bLaeuft_) return;  // a run cannot be left halfway
    Unload();
}

void FrmArchiv::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    // The borderless window moves with the mouse on its background.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    bDragging_ = true;
    dragStart_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FrmArchiv::mouseMoveEvent(QMouseEvent* event) {
    if (bDragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragStart_);
}

void FrmArchiv::mouseReleaseEvent(QMouseEvent* event) {
    bDragging_ = false;
    QDialog::mouseReleaseEvent(event);
}

Status FrmArchiv::ApplyColours() {
    for (int n = 1; n <= 6; ++n) pictab_[n]->setStyleSheet(QString::fromLatin1(kSeitenStil));
    const SharedState& g = Shared();
    const QColor hintergrund = OleColour(g.lHintergrundFarbe);
    const TextColours farben = ColoursFor(hintergrund);
    const QPalette palette = WindowPalette(*style(), hintergrund, farben);
    setPalette(palette);
    // The calendar opens in a window of its own, which takes no palette from this one.
    dtVon_->calendarWidget()->setPalette(palette);
    for (QWidget* w : std::initializer_list<QWidget*>{this, picPasswort_, picFrame_, chkSichern_,
                                                      lblWarnung_, fraProgress_})
        Paint(w, hintergrund, farben.text);
    // The progress bar takes the host's progress colour and starts empty.
    qint64 lFortschrittFarbe = 0;
    if (!ParseOleColour(Host().GetSetting(kSettingFortschrittFarbe), lFortschrittFarbe))
        return Status::Fail(tr("Typen unverträglich"));
    Paint(ProgressBar_, OleColour(lFortschrittFarbe), farben.text);
    SetWidth(ProgressBar_, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{chkEntfern_, optPasswort_[0], optPasswort_[1],
                                                      optPasswort_[2], lblPasswort_, lblSich_,
                                                      optDaten_[0], optDaten_[1]})
        Paint(w, hintergrund, farben.text);

    // Everything else on the pages reads well on the same background.
    for (int n = 1; n <= 6; ++n) {
        QPalette p = pictab_[n]->palette();
        p.setColor(QPalette::Window, hintergrund);
        p.setColor(QPalette::WindowText, farben.text);
        pictab_[n]->setPalette(p);
        for (QLabel* label : pictab_[n]->findChildren<QLabel*>()) {
            const QString rolle = label->property("tolvaRolle").toString();
            QPalette lp = label->palette();
            if (rolle == QLatin1String("titel"))
                lp.setColor(QPalette::WindowText, farben.titel);
            else if (rolle == QLatin1String("leise"))
                lp.setColor(QPalette::WindowText, farben.leise);
            else if (rolle == QLatin1String("achtung"))
                lp.setColor(QPalette::WindowText, farben.achtung);
            else
                lp.setColor(QPalette::WindowText, farben.text);
            label->setPalette(lp);
        }
    }
    // The framed notes: a soft tint of the background with a coloured bar on the left.
    const QColor tint =
        hintergrund.lightness() >= 128 ? hintergrund.darker(104) : hintergrund.lighter(115);
    for (QWidget* box : pictab_[1]->findChildren<QFrame*>(QStringLiteral("picHinweis"))) {
        box->setStyleSheet(QStringLiteral("QFrame#picHinweis { background: %1; border-left: "
                                          "3px solid #4a7fbf; border-radius: 2px; }")
                               .arg(tint.name()));
    }
    picWarnung_->setStyleSheet(
        QStringLiteral("QFrame#picWarnung { background: %1; border-left: 3px solid %2; "
                       "border-radius: 2px; }")
            .arg(tint.name(), farben.achtung.name()));
    lblWarnung_->setAutoFillBackground(false);
    Line1_->SetColour(hintergrund.lightness() >= 128 ? hintergrund.darker(118)
                                                     : hintergrund.lighter(140));
    fraProgress_->setStyleSheet(
        QStringLiteral("QFrame#fraProgress { background: %1; border: 1px "
                       "solid %2; }")
            .arg(hintergrund.lighter(103).name(), hintergrund.darker(125).name()));
    // Every control holds the whole palette, its own colours over the window's: a control
    // under a style sheet takes the missing roles from the application, not from its parent.
    for (QWidget* w : findChildren<QWidget*>()) {
        QPalette eigene = w->palette().resolve(palette);
        eigene.setResolveMask(~QPalette::ResolveMask(0));
        w->setPalette(eigene);
    }
    return Status::Ok();
}

void FrmArchiv::PlacePanels() {
    for (int n = 1; n <= 6; ++n) {
        QWidget* panel = pictab_[n];
        panel->setVisible(true);
        SetWidth(panel, Width(picFrame_) - 100);
        SetHeight(panel, Height(picFrame_) - Height(suiButtons_) - 300);
        SetTop(panel, 180);
        SetLeft(panel, Left(picFrame_) + 50);
        ZOrder(panel, 0);
    }
}

// ---- What the engine sees of the window ----

void FrmArchiv::SetProgressVisible(bool bVis) {
    fraProgress_->setVisible(bVis);
    ProgressBar_->setVisible(bVis);
}

void FrmArchiv::SetProgress(qint64 fortschritt) {
    SetWidth(ProgressBar_, static_cast<double>(fortschritt));
    ProgressBar_->resize(ProgressBar_->width(), fraProgress_->height());
}

qint64 FrmArchiv::ProgressFrameWidth() const {
    return static_cast<qint64>(std::llround(Width(fraProgress_)));
}

void FrmArchiv::ClearProgressList() {
    lstFortschritt_->clear();
}

void FrmArchiv::SetProgressListVisible(bool bVis) {
    lstFortschritt_->setVisible(bVis);
    picPlan_->setVisible(!bVis);
}

void FrmArchiv::AddProgressLine(const QString& sZeile) {
    lstFortschritt_->addItem(sZeile);
    lstFortschritt_->scrollToBottom();
}

void FrmArchiv::RepaintProgressList() {
    lstFortschritt_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmArchiv::RepaintWindow() {
    // The copier asks after every K-th row, which for small tables is every row; a person
    // sees no more than about ten pictures a second. What changed since the last picture
    // (the bar, new progress lines) is painted, not the whole skinned window.
    constexpr qint64 kAbstandMs = 100;
    if (letzteMalung_.isValid() && letzteMalung_.elapsed() < kAbstandMs) return;
    letzteMalung_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmArchiv::SetBusyPointer(bool bBusy) {
    if (bBusy == bBusy_) return;
    bBusy_ = bBusy;
    if (bBusy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QString FrmArchiv::NewPasswordText() const {
    return txtPasswort_[0]->text();
}

int FrmArchiv::AccountRowCount() const {
    return grdKonten_->Rows();
}

QVariant FrmArchiv::AccountRowData(int lZeile) const {
    return grdKonten_->RowData(lZeile);
}

QString FrmArchiv::AccountRowBank(int lZeile) const {
    return grdKonten_->TextMatrix(lZeile, 1);
}

}  // namespace tolva
