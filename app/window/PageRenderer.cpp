// Pictures of the wizard's pages: both jobs driven offscreen on a copy of the database.
#include "window/PageRenderer.h"

#include "browse/BrowseFile.h"
#include "browser/BrowserWindow.h"
#include "browser/ChartTab.h"
#include "browser/Statement.h"
#include "files/ArchiveFile.h"
#include "files/Folders.h"

#include "browser/RestoreDialog.h"
#include "browser/SearchWindow.h"
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"
#include "hostlib/MessageBox.h"
#include "widgets/FileDialogs.h"
#include "widgets/GuiApplication.h"
#include "window/WizardPilot.h"
#include "wizard/FrmArchiv.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

namespace tolva {
namespace {

// Answers every box with its default button and lets the pilot look at the window then.
class PilotBoxes : public MessageBoxPresenter {
  public:
    long Show(const QString& sText, long lStil, const QString& sTitel) override {
        shown << (sTitel.isEmpty() ? sText : sTitel + QStringLiteral(": ") + sText);
        if (onShow) onShow(sTitel);
        return DefaultAnswer(lStil);
    }
    QStringList shown;
    std::function<void(const QString&)> onShow;
};

class Renderer {
  public:
    Renderer(QString ordner, const PageObserver& beobachter)
        : ordner_(std::move(ordner)), beobachter_(beobachter) {}

    void Save(QWidget& form, const QString& name) {
        QCoreApplication::processEvents();
        if (beobachter_) beobachter_(name, form);
        const QString datei = ordner_ + QLatin1Char('/') + name;
        if (!form.grab().save(datei, "PNG"))
            fehler_ << QCoreApplication::translate("PageRenderer",
                                                   "Das Bild %1 konnte nicht geschrieben werden.")
                           .arg(datei);
        else
            geschrieben_ << name;
    }

    // The first page of a PDF as pdftoppm (poppler-utils) renders it, at 80 dots per inch.
    void SavePdfPage(const QString& sPdf, const QString& name) {
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                        QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                        QStringLiteral("1"), QStringLiteral("-singlefile"), sPdf,
                        ordner_ + QLatin1Char('/') + QFileInfo(name).completeBaseName()});
        if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit ||
            pdftoppm.exitCode() != 0)
            fehler_ << QCoreApplication::translate(
                           "PageRenderer",
                           "pdftoppm (aus poppler-utils) konnte %1 nicht zeichnen: %2")
                           .arg(sPdf, pdftoppm.errorString());
        else
            geschrieben_ << name;
    }

    void Expect(const FrmArchiv& form, int lSeite) {
        if (form.CurrentPage() != lSeite)
            fehler_ << QCoreApplication::translate(
                           "PageRenderer", "Der Assistent steht auf Seite %1 statt auf Seite %2.")
                           .arg(QString::number(form.CurrentPage()), QString::number(lSeite));
    }

    QStringList fehler_;
    QStringList geschrieben_;

  private:
    QString ordner_;
    const PageObserver& beobachter_;
};

// A dark theme as desktops give it, for pictures that show the windows read in one too.
QPalette DarkPalette() {
    QPalette p;
    const QColor fenster(0x2B, 0x2B, 0x2E), grund(0x1E, 0x1E, 0x21), text(0xE8, 0xE8, 0xEA);
    p.setColor(QPalette::Window, fenster);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, grund);
    p.setColor(QPalette::AlternateBase, QColor(0x27, 0x27, 0x2B));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x39));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, fenster);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x8E, 0x8E, 0x93));
    p.setColor(QPalette::Highlight, QColor(0x3D, 0x6F, 0xB4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    p.setColor(QPalette::Light, QColor(0x48, 0x48, 0x4D));
    p.setColor(QPalette::Midlight, QColor(0x3E, 0x3E, 0x43));
    p.setColor(QPalette::Mid, QColor(0x24, 0x24, 0x27));
    p.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1A));
    p.setColor(QPalette::Shadow, Qt::black);
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, QColor(0x80, 0x80, 0x85));
    return p;
}

// Saves the window's picture once more as the application looks in a dark theme.
void SaveDark(Renderer& renderer, QWidget& fenster, const QString& name) {
    const QPalette hell = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    renderer.Save(fenster, name);
    QApplication::setPalette(hell);
    QCoreApplication::processEvents();
}

void Forward(FrmArchiv& form) {
    form.suiButtons_ItemClick(QStringLiteral("weiter"));
}

}  // namespace

Status RenderPages(const QString& sDatenbank, const QString& sOrdner,
                   const PageObserver& beobachter) {
    ScopedGuiApplication anwendung(GuiPlatform::Offscreen);
    if (!anwendung.ok()) return Status::Fail(anwendung.Fehler());
    if (!QFileInfo(sDatenbank).isFile())
        return Status::Fail(
            QCoreApplication::translate("PageRenderer", "Die Datenbank %1 gibt es nicht.")
                .arg(sDatenbank));
    if (Status s = MakeFolders(sOrdner); !s.ok()) return s;

    QTemporaryDir arbeit;
    if (!arbeit.isValid())
        return Status::Fail(QCoreApplication::translate(
            "PageRenderer", "Es kann kein Arbeitsordner angelegt werden."));
    const QString kopie = arbeit.filePath(QFileInfo(sDatenbank).fileName());
    const QString archivOrdner = arbeit.filePath(QStringLiteral("Archive")) + QLatin1Char('/');
    if (Status s = CopyToNewFile(sDatenbank, kopie, PrivateCopyMode(sDatenbank), kopie); !s.ok())
        return s;
    if (Status s = MakeFolders(archivOrdner); !s.ok()) return s;

    auto host = std::make_shared<IniHostServices>(arbeit.filePath(QStringLiteral("host.ini")));
    host->SetSetting(kSettingArchivPfad, archivOrdner);
    host->SetSetting(kSettingBasisPfad, arbeit.path() + QLatin1Char('/'));
    InstallHostServices(host);
    auto boxen = std::make_shared<PilotBoxes>();
    InstallMessageBoxPresenter(boxen);
    InstallFileDialogs(nullptr);

    Renderer renderer(sOrdner, beobachter);
    // The create job, page by page, and the run on the copy.
    RunWithPilot(kopie, [&](FrmArchiv& form) {
        renderer.Save(form, QStringLiteral("page-1.png"));
        Forward(form);
        renderer.Expect(form, 2);
        if (auto* datum = form.findChild<QDateEdit*>(QStringLiteral("dtVon")))
            datum->setDate(QDate(QDate::currentDate().year(), 1, 1));
        renderer.Save(form, QStringLiteral("page-2.png"));
        // The run removes what it archives, so that the restore below has rows to put back.
        if (auto* entfernen = form.findChild<QCheckBox*>(QStringLiteral("chkEntfern")))
            entfernen->click();
        Forward(form);
        renderer.Expect(form, 3);
        if (auto* neu = form.findChild<QRadioButton*>(QStringLiteral("optPasswort_2")))
            neu->click();
        for (const char* name : {"txtPasswort_0", "txtPasswort_1"})
            if (auto* feld = form.findChild<QLineEdit*>(QString::fromLatin1(name)))
                feld->setText(QStringLiteral("Sommer2026"));
        renderer.Save(form, QStringLiteral("page-3.png"));
        Forward(form);
        renderer.Expect(form, 4);
        renderer.Save(form, QStringLiteral("page-4.png"));
        Forward(form);
        renderer.Expect(form, 5);
        renderer.Save(form, QStringLiteral("page-5.png"));
        boxen->onShow = [&](const QString&) {
            if (form.IsRunning()) renderer.Save(form, QStringLiteral("page-5-done.png"));
        };
        Forward(form);
        boxen->onShow = nullptr;
    });
    // The view job: the archive just made is listed on page 6.
    RunWithPilot(kopie, [&](FrmArchiv& form) {
        if (auto* anzeigen = form.findChild<QRadioButton*>(QStringLiteral("optDaten_1")))
            anzeigen->click();
        Forward(form);
        renderer.Expect(form, 6);
        renderer.Save(form, QStringLiteral("page-6.png"));
    });

    // The archive in the browser (it carries the new password), then a search in it that
    // ignores case and umlauts, then its rows put back into the copy.
    const QString sPasswort = QStringLiteral("Sommer2026");
    const QStringList archive = QDir(archivOrdner).entryList({QStringLiteral("*.aba")});
    Result<std::unique_ptr<BrowseFile>> datei =
        archive.isEmpty() ? Result<std::unique_ptr<BrowseFile>>(
                                Error{QCoreApplication::translate("PageRenderer", "kein Archiv")})
                          : BrowseFile::Open(archivOrdner + archive.constFirst(), sPasswort);
    if (!datei.ok()) {
        renderer.fehler_ << datei.error().description;
    } else if (Result<std::unique_ptr<BrowserWindow>> fenster =
                   BrowserWindow::Make(std::move(datei).value(), {kopie, sPasswort});
               !fenster.ok()) {
        renderer.fehler_ << fenster.error().description;
    } else {
        BrowserWindow& browser = *fenster.value();
        browser.show();
        renderer.Save(browser, QStringLiteral("browser.png"));
        SaveDark(renderer, browser, QStringLiteral("browser-dark.png"));
        // Its months in the "Verlauf" tab, once they are counted; then the bookings again.
        browser.ShowChart();
        browser.Chart().WaitUntilDone();
        renderer.Save(browser, QStringLiteral("browser-chart.png"));
        SaveDark(renderer, browser, QStringLiteral("browser-chart-dark.png"));
        if (auto* reiter = browser.findChild<QTabWidget*>(QStringLiteral("tabInhalt")))
            reiter->setCurrentIndex(0);
        browser.SetSearchText(QStringLiteral("muller"));
        renderer.Save(browser, QStringLiteral("browser-search.png"));
        // The same text in the copy and every archive of the folder, once every file is done.
        if (auto* ueberall = browser.findChild<QPushButton*>(QStringLiteral("cmdUeberall")))
            ueberall->click();
        if (auto* suche = browser.findChild<SearchWindow*>()) {
            QDeadlineTimer frist(60000);
            while (suche->Running() && !frist.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            renderer.Save(*suche, QStringLiteral("search-everywhere.png"));
            suche->close();
        }
        // The first page of the printed statement of the last whole year, as pdftoppm sees it.
        const QString sPdf = arbeit.filePath(QStringLiteral("Auszug.pdf"));
        BookingFilter jahr;
        jahr.dVon = QDate(QDate::currentDate().year() - 1, 1, 1);
        jahr.dBis = QDate(QDate::currentDate().year() - 1, 12, 31);
        Result<std::unique_ptr<BrowseFile>> auszug =
            BrowseFile::Open(archivOrdner + archive.constFirst(), sPasswort);
        if (Status s =
                auszug.ok() ? SaveStatementPdf(*auszug.value(), jahr, sPdf) : auszug.status();
            !s.ok())
            renderer.fehler_ << s.description();
        else
            renderer.SavePdfPage(sPdf, QStringLiteral("statement-page-1.png"));
        // The restore's question would get its default answer, "Nein": it is left out.
        RestoreChoice wahl;
        wahl.sArchiv = archivOrdner + archive.constFirst();
        wahl.sDatenbank = kopie;
        wahl.sPasswort = sPasswort;
        wahl.bFragen = false;
        RestoreDialog zurueck(&browser);
        if (zurueck.Run(wahl)) renderer.Save(zurueck, QStringLiteral("restore.png"));
    }

    InstallMessageBoxPresenter(nullptr);
    InstallHostServices(nullptr);

    for (const char* name :
         {"page-1.png", "page-2.png", "page-3.png", "page-4.png", "page-5.png", "page-5-done.png",
          "page-6.png", "browser.png", "browser-dark.png", "browser-chart.png",
          "browser-chart-dark.png", "browser-search.png", "search-everywhere.png", "restore.png"})
        if (!renderer.geschrieben_.contains(QString::fromLatin1(name)))
            renderer.fehler_ << QCoreApplication::translate("PageRenderer",
                                                            "%1 wurde nicht erstellt.")
                                    .arg(QLatin1String(name));
    if (!renderer.fehler_.isEmpty()) {
        return Status::Fail(QCoreApplication::translate("PageRenderer", "%1\nMeldungen: %2")
                                .arg(renderer.fehler_.join(QLatin1Char('\n')),
                                     boxen->shown.join(QStringLiteral(" | "))));
    }
    return Status::Ok();
}

}  // namespace tolva
