// The wizard test fixture: environment, a window opened like Archiv opens it, clicks.
#include "WizardFixture.h"

#include "component/HbArchiv.h"
#include "database/Schema.h"
#include "demo/DemoDatabase.h"
#include "files/DatabaseFile.h"
#include "hostlib/HostServices.h"
#include "state/SharedState.h"
#include "wizard/SuiButtons.h"
#include "wizard/SuiTabs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace tolva::test {
namespace {

// The next scripted answer; an empty queue or an empty answer cancels.
std::optional<QString> TakeAnswer(std::deque<std::optional<QString>>& queue) {
    if (queue.empty()) return std::nullopt;
    const bool bGewaehlt = queue.front().has_value();
    const QString antwort = queue.front().value_or(QString());
    queue.pop_front();
    if (!bGewaehlt) return std::nullopt;
    return antwort;
}

}  // namespace

std::optional<QString> ScriptedFileDialogs::ChooseFolder(QWidget*, const QString& sStartOrdner,
                                                         const QString& sTitel) {
    folderCalls.push_back({sStartOrdner, sTitel, QString()});
    return TakeAnswer(folders);
}

std::optional<QString> ScriptedFileDialogs::ChooseFile(QWidget*, const QString& sDateiname,
                                                       const QString& sEndung,
                                                       const QString& sStartOrdner) {
    fileCalls.push_back({sDateiname, sEndung, sStartOrdner});
    return TakeAnswer(files);
}

WizardEnvironment::WizardEnvironment()
    : host_(std::make_shared<IniHostServices>(dir_.filePath(QStringLiteral("host.ini")))),
      boxes_(std::make_shared<ScriptedMessageBoxes>()),
      dialogs_(std::make_shared<ScriptedFileDialogs>()) {
    ResetSharedState();
    QDir().mkpath(ArchiveFolder());
    host_->SetSetting(kSettingArchivPfad, ArchiveFolder());
    host_->SetSetting(kSettingBasisPfad, dir_.path() + QLatin1Char('/'));
    InstallHostServices(host_);
    InstallMessageBoxPresenter(boxes_);
    InstallFileDialogs(dialogs_);
}

WizardEnvironment::~WizardEnvironment() {
    InstallFileDialogs(nullptr);
    InstallMessageBoxPresenter(nullptr);
    InstallHostServices(nullptr);
    ResetSharedState();
}

QString WizardEnvironment::Path(const QString& sName) const {
    return dir_.filePath(sName);
}

QString WizardEnvironment::MakeDatabase(const QString& sName, int lKonten, int lBanken,
                                        QDate dBis) {
    DemoOptions options;
    options.sPfad = Path(sName);
    QDir().mkpath(QFileInfo(options.sPfad).absolutePath());
    options.lKonten = lKonten;
    options.lBanken = lBanken;
    options.lBuchungen = 60L * lKonten;
    options.lJahre = 3;
    options.dBis = dBis;
    const auto made = MakeDemoDatabase(options);
    if (!made.ok()) qWarning("demo database: %s", qPrintable(made.error().description));
    return options.sPfad;
}

QString WizardEnvironment::MakeEmptyDatabase(const QString& sName) {
    const Status made = CreateDatabaseFile(Path(sName));
    if (!made.ok()) qWarning("empty database: %s", qPrintable(made.description()));
    return Path(sName);
}

QStringList WizardEnvironment::ShownBoxes() const {
    QStringList zeilen;
    for (const ShownMessage& box : boxes_->Shown()) zeilen << box.sTitel + '|' + box.sText;
    return zeilen;
}

std::unique_ptr<FrmArchiv> OpenWizard(const QString& sDatenbank) {
    SharedState& g = Shared();
    g.sDatenbank = sDatenbank;
    HbArchiv::LadeEinstellungen();
    auto form = std::make_unique<FrmArchiv>();
    g.oArchivForm = form.get();
    form->FormLoad();
    if (!form->IsUnloaded()) {
        form->show();
        QCoreApplication::processEvents();
    }
    return form;
}

void ClickButton(FrmArchiv& form, const QString& sKey) {
    auto* bar = form.findChild<SuiButtons*>(QStringLiteral("suiButtons"));
    QPushButton* button = bar ? bar->Button(sKey) : nullptr;
    if (!button) {
        qWarning("no button %s", qPrintable(sKey));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickTab(FrmArchiv& form, int n) {
    auto* tabs = form.findChild<SuiTabs*>(QStringLiteral("suiTabs"));
    if (!tabs) return;
    const QRect r = tabs->ItemRect(n);
    if (r.isEmpty()) return;  // a hidden tab cannot be hit
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, r.center());
}

namespace {
int g_drives = 0;
}  // namespace

int PilotDrives() {
    return g_drives;
}

bool ArchivWithPilot(QString& sDateiname, const std::function<void(FrmArchiv&)>& drive) {
    QTimer pilot;
    pilot.setSingleShot(true);
    int versuche = 0;
    QObject::connect(&pilot, &QTimer::timeout, [&] {
        auto* form = dynamic_cast<FrmArchiv*>(Shared().oArchivForm);
        if (!form || !form->isVisible()) {
            if (++versuche < 500) pilot.start(10);
            return;
        }
        ++g_drives;
        drive(*form);
        if (!form->IsUnloaded()) form->Unload();
    });
    pilot.start(0);
    HbArchiv objekt;
    return objekt.Archiv(sDateiname);
}

}  // namespace tolva::test
