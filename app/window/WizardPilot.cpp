// The wizard driven through its own controls, as a person would click them.
#include "window/WizardPilot.h"

#include "component/HbArchiv.h"
#include "state/SharedState.h"
#include "widgets/GuiApplication.h"
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"
#include "wizard/KontenGrid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace tolva {
namespace {

FrmArchiv* CurrentForm() {
    return dynamic_cast<FrmArchiv*>(Shared().oArchivForm);
}

template <typename T>
T* Control(FrmArchiv& form, const QString& sName) {
    return form.findChild<T*>(sName);
}

Status NotOnPage(const FrmArchiv& form, int lSeite) {
    if (form.CurrentPage() == lSeite) return Status::Ok();
    return Status::Fail(QCoreApplication::translate(
                            "WizardPilot", "Der Assistent steht auf Seite %1 statt auf Seite %2.")
                            .arg(QString::number(form.CurrentPage()), QString::number(lSeite)));
}

// Ticks exactly the given accounts, clicking boxes as a person would: row 0's box stands for
// all accounts as well, so the first account can only be ticked together with all of them.
Status TickAccounts(KontenGrid& grid, const std::vector<QString>& konten) {
    auto gewaehlt = [&](int r) {
        return std::find(konten.begin(), konten.end(), grid.RowData(r).toString()) != konten.end();
    };
    bool bAlle = true;
    for (int r = 0; r < grid.Rows(); ++r) bAlle = bAlle && gewaehlt(r);
    if (bAlle) return Status::Ok();
    if (grid.Rows() > 0 && gewaehlt(0))
        return Status::Fail(QCoreApplication::translate(
            "WizardPilot",
            "Das erste Konto der Liste lässt sich im Assistenten nur mit allen Konten ankreuzen."));
    grid.SetCellChecked(0, 0, KontenGrid::flexUnchecked);
    for (int r = 1; r < grid.Rows(); ++r)
        grid.SetCellChecked(r, 0,
                            gewaehlt(r) ? KontenGrid::flexChecked : KontenGrid::flexUnchecked);
    return Status::Ok();
}

}  // namespace

void RunWithPilot(const QString& sDatenbank, const std::function<void(FrmArchiv&)>& drive) {
    QTimer pilot;
    pilot.setSingleShot(true);
    int versuche = 0;
    QObject::connect(&pilot, &QTimer::timeout, [&] {
        FrmArchiv* form = CurrentForm();
        if (!form || !form->isVisible()) {
            if (++versuche < 500) pilot.start(10);
            return;
        }
        drive(*form);
        if (!form->IsUnloaded()) form->Unload();
    });
    pilot.start(0);
    HbArchiv objekt;
    QString pfad = sDatenbank;
    objekt.Archiv(pfad);
}

Status DriveCreateJob(FrmArchiv& form, const CreateChoice& auswahl) {
    const auto weiter = [&form] { form.suiButtons_ItemClick(QStringLiteral("weiter")); };
    if (Status s = NotOnPage(form, 1); !s.ok()) return s;
    if (auto* erstellen = Control<QRadioButton>(form, QStringLiteral("optDaten_0")))
        erstellen->click();
    weiter();

    if (Status s = NotOnPage(form, 2); !s.ok()) return s;
    auto* datum = Control<QDateEdit>(form, QStringLiteral("dtVon"));
    auto* grid = Control<KontenGrid>(form, QStringLiteral("grdKonten"));
    auto* entfernen = Control<QCheckBox>(form, QStringLiteral("chkEntfern"));
    if (!datum || !grid || !entfernen)
        return Status::Fail(QCoreApplication::translate(
            "WizardPilot", "Seite 2 des Assistenten ist unvollständig."));
    datum->setDate(auswahl.dStichtag);
    if (auswahl.konten)
        if (Status s = TickAccounts(*grid, *auswahl.konten); !s.ok()) return s;
    if (entfernen->isChecked() != auswahl.bEntfernen) entfernen->click();
    weiter();

    if (Status s = NotOnPage(form, 3); !s.ok()) return s;
    const QString sModus = QStringLiteral("optPasswort_%1").arg(auswahl.lPasswortModus);
    if (auto* modus = Control<QRadioButton>(form, sModus)) modus->click();
    for (const char* name : {"txtPasswort_0", "txtPasswort_1"})
        if (auto* feld = Control<QLineEdit>(form, QString::fromLatin1(name)))
            if (feld->isEnabled()) feld->setText(auswahl.sNeuesPasswort);
    weiter();

    if (Status s = NotOnPage(form, 4); !s.ok()) return s;
    auto* sichern = Control<QCheckBox>(form, QStringLiteral("chkSichern"));
    auto* sicherung = Control<CaptionLabel>(form, QStringLiteral("lblSich"));
    if (!sichern || !sicherung)
        return Status::Fail(QCoreApplication::translate(
            "WizardPilot", "Seite 4 des Assistenten ist unvollständig."));
    if (sichern->isChecked() != !auswahl.sSicherung.isEmpty()) sichern->click();
    if (!auswahl.sSicherung.isEmpty()) sicherung->SetCaption(auswahl.sSicherung);
    if (auto* datei = Control<QLineEdit>(form, QStringLiteral("txtDatei_0")))
        datei->setText(auswahl.sZielDatei);
    weiter();

    if (Status s = NotOnPage(form, 5); !s.ok()) return s;
    weiter();  // "Starten": the run, its messages, and the window unloads
    return Status::Ok();
}

Status RunCreateJob(const QString& sDatenbank, const CreateChoice& auswahl) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen);
    if (!anwendung.ok()) return Status::Fail(anwendung.Fehler());
    Status gefahren = Status::Fail(
        QCoreApplication::translate("WizardPilot", "Der Assistent wurde nicht angezeigt."));
    RunWithPilot(sDatenbank, [&](FrmArchiv& form) { gefahren = DriveCreateJob(form, auswahl); });
    return gefahren;
}

Status ShowFirstPage(const QString& sDatenbank) {
    ScopedGuiApplication anwendung(GuiPlatform::Screen);
    if (!anwendung.ok()) return Status::Fail(anwendung.Fehler());
    Status gezeigt = Status::Fail(
        QCoreApplication::translate("WizardPilot", "Der Assistent wurde nicht angezeigt."));
    RunWithPilot(sDatenbank, [&](FrmArchiv& form) {
        QWindow* fenster = form.windowHandle();
        QElapsedTimer warten;
        warten.start();
        while (fenster && !fenster->isExposed() && warten.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        form.repaint();  // paints the page now, onto the screen's copy of the window
        gezeigt = NotOnPage(form, 1);
    });
    return gezeigt;
}

}  // namespace tolva
