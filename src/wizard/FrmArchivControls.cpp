// frmArchiv: the window's controls, their names and the arrangement inside each page.
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"
#include "wizard/PlanView.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include "skin/FocusLabel.h"
#include "skin/SkinImage.h"
#include "skin/SkinLine.h"
#include "skin/Twips.h"
#include "text/DisplayFormat.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolva {
namespace {

// Captions of the tab strip, one per page.
const char* const kTabCaptions[] = {QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Aufgabe"),
                                    QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Datenbereich"),
                                    QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Passwort"),
                                    QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Archivdatei"),
                                    QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Archivieren"),
                                    QT_TRANSLATE_NOOP("tolva::FrmArchiv", "Archiv anzeigen")};

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A date of the display format with every digit a zero and one more for good measure: as wide
// as the widest date ("00.00.00000").
QString WidestDate() {
    QString muster = DisplayDate(QDate(2000, 12, 28));
    for (QChar& c : muster)
        if (c.isDigit()) c = QLatin1Char('0');
    return muster + QLatin1Char('0');
}

QFont Scaled(const QFont& base, double pointSize, bool bold) {
    QFont f(base);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

}  // namespace

int FrmArchiv::Px(double twips) const {
    return ToPixels(this, twips);
}

void FrmArchiv::BuildControls() {
    setObjectName(QStringLiteral("frmArchiv"));
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSizeF(9);
    setFont(base);

    // The skin: pictures, tab strip, focus marker, frame with line and button bar.
    imBackground_ = new SkinImage(QStringLiteral("imBackground"), this);
    imButtons_ = new SkinImage(QStringLiteral("imButtons"), this);
    imFocus_ = new SkinImage(QStringLiteral("imFocus"), this);
    suiTabs_ = new SuiTabs(this);
    suiTabs_->setFont(Scaled(base, 9.5, false));
    for (const char* caption : kTabCaptions) suiTabs_->AddItem(tr(caption));
    SetHeight(suiTabs_, kTabsDesignHeight);
    lblFocus_ = new FocusLabel(QStringLiteral("lblFocus"), this);

    picFrame_ = new QFrame(this);
    picFrame_->setObjectName(QStringLiteral("picFrame"));
    picFrame_->setFrameShape(QFrame::NoFrame);
    picFrame_->setAutoFillBackground(true);
    Line1_ = new SkinLine(QStringLiteral("Line1"), picFrame_);
    suiButtons_ = new SuiButtons(picFrame_);
    suiButtons_->setFont(base);
    suiButtons_->AddItem(QStringLiteral("zurück"), tr(" &Zurück"));
    suiButtons_->AddItem(QStringLiteral("weiter"), tr(" &Weiter"));
    suiButtons_->AddItem(QStringLiteral("cancel"), tr(" Abbrechen"));
    SetWidth(suiButtons_, kButtonsDesignWidth);
    SetHeight(suiButtons_, kButtonsDesignHeight);

    // The pages lie over the frame, one above the other.
    pictab_[1] = BuildPage1();
    pictab_[2] = BuildPage2();
    pictab_[3] = BuildPage3();
    pictab_[4] = BuildPage4();
    pictab_[5] = BuildPage5();
    pictab_[6] = BuildPage6();
}

QWidget* FrmArchiv::NewPage(int n, const QString& sTitel, QVBoxLayout*& layout) {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("pictab_%1").arg(n));
    page->setAutoFillBackground(true);
    layout = new QVBoxLayout(page);
    layout->setContentsMargins(Px(270), Px(150), Px(270), Px(90));
    layout->setSpacing(Px(90));
    if (!sTitel.isEmpty()) {
        QLabel* titel = NewLabel(QStringLiteral("lblTitel_%1").arg(n), sTitel, page);
        titel->setFont(Scaled(font(), 12, true));
        titel->setProperty("tolvaRolle", QStringLiteral("titel"));
        layout->addWidget(titel);
        layout->addSpacing(Px(30));
    }
    return page;
}

QWidget* FrmArchiv::BuildPage1() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(1, QString(), layout);
    QLabel* willkommen = NewLabel(
        QStringLiteral("lblEx_4"),
        tr("Der Archivierungsassistent unterstützt Sie beim Archivieren Ihrer Daten"), page);
    willkommen->setFont(Scaled(font(), 12, true));
    willkommen->setProperty("tolvaRolle", QStringLiteral("titel"));
    layout->addWidget(willkommen);
    layout->addSpacing(Px(30));
    layout->addWidget(NewLabel(
        QStringLiteral("lblEx_6"),
        tr("Hier können Sie ein Archiv erstellen oder Daten aus einem Archiv anzeigen"), page));
    layout->addSpacing(Px(240));
    QLabel* frage = NewLabel(QStringLiteral("lblEx_7"), tr("Was möchten Sie tun?"), page);
    frage->setFont(Scaled(font(), 10, true));
    frage->setProperty("tolvaRolle", QStringLiteral("titel"));
    layout->addWidget(frage);

    auto* optionen = new QVBoxLayout();
    optionen->setContentsMargins(Px(180), Px(30), 0, 0);
    optionen->setSpacing(Px(120));
    auto* gruppe = new QButtonGroup(page);
    const QString texte[] = {tr("Archiv erstellen"), tr("Daten aus einem Archiv anzeigen")};
    for (int i = 0; i < 2; ++i) {
        optDaten_[i] = new QRadioButton(texte[i], page);
        optDaten_[i]->setObjectName(QStringLiteral("optDaten_%1").arg(i));
        gruppe->addButton(optDaten_[i], i);
        optionen->addWidget(optDaten_[i]);
    }
    optDaten_[0]->setChecked(true);
    layout->addLayout(optionen);
    layout->addStretch(1);

    auto* hinweis = new QFrame(page);
    hinweis->setObjectName(QStringLiteral("picHinweis"));
    hinweis->setProperty("tolvaRolle", QStringLiteral("hinweis"));
    auto* hinweisLayout = new QHBoxLayout(hinweis);
    hinweisLayout->setContentsMargins(Px(180), Px(90), Px(120), Px(90));
    QLabel* notiz = NewLabel(QStringLiteral("lblEx_8"),
                             tr("Archivierte Daten können während der Archivierung "
                                "auch aus der Datenbank entfernt werden."),
                             hinweis);
    notiz->setProperty("tolvaRolle", QStringLiteral("leise"));
    hinweisLayout->addWidget(notiz);
    layout->addWidget(hinweis);
    return page;
}

QWidget* FrmArchiv::BuildPage2() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(2, tr(kTabCaptions[1]), layout);
    layout->addWidget(
        NewLabel(QStringLiteral("lblEx_2"),
                 tr("Bitte geben Sie an, welcher Datenbereich archiviert werden soll."), page));

    // The grid takes the place of the combo box, which is never filled.
    cboKonto_ = new QComboBox(page);
    cboKonto_->setObjectName(QStringLiteral("cboKonto"));
    cboKonto_->hide();
    grdKonten_ = new KontenGrid(page);
    grdKonten_->setMinimumHeight(Px(1200));
    layout->addWidget(cboKonto_);
    layout->addWidget(grdKonten_, 1);

    auto* zeile = new QHBoxLayout();
    zeile->setSpacing(Px(90));
    zeile->addWidget(NewLabel(QStringLiteral("lblEx_5"), tr("Alle Daten älter als"), page));
    dtVon_ = new QDateEdit(page);
    dtVon_->setObjectName(QStringLiteral("dtVon"));
    dtVon_->setCalendarPopup(true);
    // The date as the language shows it; the calendar's week starts as the locale's does.
    dtVon_->setDisplayFormat(DisplayDateFormat());
    dtVon_->calendarWidget()->setFirstDayOfWeek(DisplayLocale().firstDayOfWeek());
    dtVon_->calendarWidget()->setLocale(DisplayLocale());
    dtVon_->setLocale(DisplayLocale());
    // Room for the widest date and the drop-down button at every screen resolution.
    dtVon_->setMinimumWidth(dtVon_->fontMetrics().horizontalAdvance(WidestDate()) + Px(450));
    zeile->addWidget(dtVon_);
    zeile->addWidget(NewLabel(QStringLiteral("lblEx_1"), tr("archivieren"), page));
    zeile->addStretch(1);
    for (int i = 0; i < zeile->count(); ++i)
        if (auto* l = qobject_cast<QLabel*>(zeile->itemAt(i)->widget())) l->setWordWrap(false);
    layout->addSpacing(Px(30));
    layout->addLayout(zeile);
    layout->addSpacing(Px(30));

    chkEntfern_ = new QCheckBox(
        tr("Archivierte Daten aus Benutzer-Datenbank unwiderruflich entfernen"), page);
    chkEntfern_->setObjectName(QStringLiteral("chkEntfern"));
    layout->addWidget(chkEntfern_);

    picWarnung_ = new QFrame(page);
    picWarnung_->setObjectName(QStringLiteral("picWarnung"));
    picWarnung_->setProperty("tolvaRolle", QStringLiteral("warnung"));
    auto* warnung = new QVBoxLayout(picWarnung_);
    warnung->setContentsMargins(Px(180), Px(60), Px(120), Px(60));
    warnung->setSpacing(Px(15));
    QLabel* achtung = NewLabel(QStringLiteral("lblAchtung"), tr("ACHTUNG:"), picWarnung_);
    achtung->setFont(Scaled(font(), 9, true));
    achtung->setProperty("tolvaRolle", QStringLiteral("achtung"));
    lblWarnung_ = new CaptionLabel(QStringLiteral("lblWarnung"), QString(), picWarnung_);
    warnung->addWidget(achtung);
    warnung->addWidget(lblWarnung_);
    auto* einzug = new QHBoxLayout();
    einzug->setContentsMargins(Px(330), 0, 0, 0);
    einzug->addWidget(picWarnung_);
    layout->addLayout(einzug);
    layout->addSpacing(Px(30));

    chkSichern_ =
        new QCheckBox(tr("Datensicherung vor der Archivierung erstellen (empfohlen)"), page);
    chkSichern_->setObjectName(QStringLiteral("chkSichern"));
    chkSichern_->setChecked(true);  // a backup first, unless the user declines it
    layout->addWidget(chkSichern_);
    lblSich_ = new CaptionLabel(QStringLiteral("lblSich"), QString(), page, true);
    lblSich_->setProperty("tolvaRolle", QStringLiteral("leise"));
    cmdSicherung_ = new QPushButton(tr("&Ändern …"), page);
    cmdSicherung_->setObjectName(QStringLiteral("cmdSicherung"));
    cmdSicherung_->setAutoDefault(false);
    cmdSicherung_->setToolTip(tr("Einen anderen Ort für die Datensicherung dieses Laufs wählen"));
    auto* sicherung = new QHBoxLayout();
    sicherung->setContentsMargins(Px(330), 0, 0, 0);
    sicherung->setSpacing(Px(90));
    sicherung->addWidget(lblSich_, 1);
    sicherung->addWidget(cmdSicherung_, 0, Qt::AlignVCenter);
    layout->addLayout(sicherung);
    return page;
}

QWidget* FrmArchiv::BuildPage3() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(3, tr(kTabCaptions[2]), layout);
    layout->addWidget(NewLabel(
        QStringLiteral("lblEx_3"),
        tr("Bitte wählen Sie das Passwort mit dem die Datenbank geschützt werden soll:"), page));
    layout->addSpacing(Px(60));

    picPasswort_ = new QWidget(page);
    picPasswort_->setObjectName(QStringLiteral("picPasswort"));
    auto* optionen = new QVBoxLayout(picPasswort_);
    optionen->setContentsMargins(Px(180), 0, 0, 0);
    optionen->setSpacing(Px(120));
    auto* gruppe = new QButtonGroup(picPasswort_);
    const QString texte[] = {tr("Datenbank ohne Passwort archivieren"),
                             tr("Datenbank mit bestehendem Passwort archivieren"),
                             tr("Datenbank mit neuem Passwort archivieren")};
    for (int i = 0; i < 3; ++i) {
        optPasswort_[i] = new QRadioButton(texte[i], picPasswort_);
        optPasswort_[i]->setObjectName(QStringLiteral("optPasswort_%1").arg(i));
        gruppe->addButton(optPasswort_[i], i);
        optionen->addWidget(optPasswort_[i]);
    }
    optPasswort_[1]->setChecked(true);

    auto* felder = new QGridLayout();
    felder->setContentsMargins(Px(330), Px(30), 0, 0);
    felder->setHorizontalSpacing(Px(120));
    felder->setVerticalSpacing(Px(90));
    for (int i = 0; i < 2; ++i) {
        txtPasswort_[i] = new QLineEdit(picPasswort_);
        txtPasswort_[i]->setObjectName(QStringLiteral("txtPasswort_%1").arg(i));
        txtPasswort_[i]->setEchoMode(QLineEdit::Password);
        txtPasswort_[i]->setFixedWidth(Px(2700));
        felder->addWidget(txtPasswort_[i], i, 0);
    }
    lblPasswort_ = NewLabel(QStringLiteral("lblPasswort"), tr("zur Kontrolle"), picPasswort_);
    lblPasswort_->setWordWrap(false);
    felder->addWidget(lblPasswort_, 1, 1);
    felder->setColumnStretch(2, 1);
    optionen->addLayout(felder);
    layout->addWidget(picPasswort_);
    layout->addStretch(1);
    return page;
}

QWidget* FrmArchiv::BuildPage4() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(4, tr(kTabCaptions[3]), layout);
    lblDatei_[0] = new CaptionLabel(
        QStringLiteral("lblDatei_0"),
        tr("Bitte geben Sie den Namen der Datei an in die archiviert werden soll:"), page);
    layout->addWidget(lblDatei_[0]);
    auto* zeile = new QHBoxLayout();
    zeile->setSpacing(Px(90));
    txtDatei_[0] = new QLineEdit(page);
    txtDatei_[0]->setObjectName(QStringLiteral("txtDatei_0"));
    cmdDurchsuchen_[0] = new QPushButton(tr("Durchsuchen"), page);
    cmdDurchsuchen_[0]->setObjectName(QStringLiteral("cmdDurchsuchen_0"));
    cmdDurchsuchen_[0]->setAutoDefault(false);
    zeile->addWidget(txtDatei_[0], 1);
    zeile->addWidget(cmdDurchsuchen_[0]);
    layout->addSpacing(Px(30));
    layout->addLayout(zeile);
    layout->addStretch(1);
    return page;
}

QWidget* FrmArchiv::BuildPage5() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(5, tr(kTabCaptions[4]), layout);
    lblEx0_ = new CaptionLabel(QStringLiteral("lblEx_0"), QString(), page);
    layout->addWidget(lblEx0_);
    layout->addSpacing(Px(60));
    // The plan and, once the run starts, the progress list in its place.
    picPlan_ = new PlanView(page);
    picPlan_->hide();
    layout->addWidget(picPlan_, 1);
    lstFortschritt_ = new QListWidget(page);
    lstFortschritt_->setObjectName(QStringLiteral("lstFortschritt"));
    lstFortschritt_->setSelectionMode(QAbstractItemView::NoSelection);
    lstFortschritt_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(lstFortschritt_, 1);

    fraProgress_ = new QFrame(page);
    fraProgress_->setObjectName(QStringLiteral("fraProgress"));
    fraProgress_->setFrameShape(QFrame::NoFrame);
    fraProgress_->setAutoFillBackground(true);
    fraProgress_->setFixedHeight(Px(270));
    QSizePolicy policy = fraProgress_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    fraProgress_->setSizePolicy(policy);
    ProgressBar_ = new QWidget(fraProgress_);
    ProgressBar_->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar_->setAutoFillBackground(true);
    ProgressBar_->setGeometry(0, 0, 0, fraProgress_->height());
    layout->addSpacing(Px(30));
    layout->addWidget(fraProgress_);
    lstFortschritt_->hide();
    fraProgress_->hide();
    return page;
}

QWidget* FrmArchiv::BuildPage6() {
    QVBoxLayout* layout = nullptr;
    QWidget* page = NewPage(6, tr(kTabCaptions[5]), layout);
    lblDatei_[1] = new CaptionLabel(QStringLiteral("lblDatei_1"),
                                    tr("Bitte wählen Sie den Archiv-Pfad"), page);
    layout->addWidget(lblDatei_[1]);
    auto* zeile = new QHBoxLayout();
    zeile->setSpacing(Px(90));
    txtDatei_[1] = new QLineEdit(page);
    txtDatei_[1]->setObjectName(QStringLiteral("txtDatei_1"));
    cmdDurchsuchen_[1] = new QPushButton(tr("Durchsuchen"), page);
    cmdDurchsuchen_[1]->setObjectName(QStringLiteral("cmdDurchsuchen_1"));
    cmdDurchsuchen_[1]->setAutoDefault(false);
    zeile->addWidget(txtDatei_[1], 1);
    zeile->addWidget(cmdDurchsuchen_[1]);
    layout->addSpacing(Px(30));
    layout->addLayout(zeile);
    layout->addSpacing(Px(60));
    lstArchiv_ = new QListWidget(page);
    lstArchiv_->setObjectName(QStringLiteral("lstArchiv"));
    lstArchiv_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(lstArchiv_, 2);
    lstInhalt_ = new QListWidget(page);
    lstInhalt_->setObjectName(QStringLiteral("lstInhalt"));
    lstInhalt_->setSelectionMode(QAbstractItemView::NoSelection);
    lstInhalt_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(lstInhalt_, 3);
    return page;
}

}  // namespace tolva
