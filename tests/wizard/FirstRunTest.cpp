// A new user's first run: a fresh home folder, the demo host, every page left as it opens.
#include "WizardFixture.h"

#include "demo/DemoDatabase.h"
#include "hostlib/HostServices.h"
#include "window/WizardHost.h"
#include "wizard/CaptionLabel.h"
#include "wizard/FrmArchiv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tolva;
using namespace tolva::test;

class FirstRunTest : public QObject {
    Q_OBJECT
  private slots:
    void theDefaultsOfAFreshHomeMakeAnArchiveAndABackup();
};

void FirstRunTest::theDefaultsOfAFreshHomeMakeAnArchiveAndABackup() {
    // Nothing of ours in the home folder: no settings, no data folder.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "TOLVA_SETTINGS"}) qunsetenv(name);
    InstallHostServices(nullptr);
    ScopedMessageBoxes boxen;
    const QString sDatenbank = home.filePath(QStringLiteral("bank.db"));
    DemoOptions demo;
    demo.sPfad = sDatenbank;
    demo.lBuchungen = 3000;
    QVERIFY(MakeDemoDatabase(demo).ok());
    QFile roh(sDatenbank);
    QVERIFY(roh.open(QIODevice::ReadOnly));
    const QByteArray vorher = roh.readAll();
    roh.close();
    const QString sDatenOrdner = home.filePath(QStringLiteral(".local/share/tolva"));

    // "Weiter" until "Starten", which is pressed too; what the pages show stays as it is.
    QString sSicherung;
    bool bOrdnerDa = false;
    QTimer pilot;
    QObject::connect(&pilot, &QTimer::timeout, [&] {
        FrmArchiv* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<FrmArchiv*>(w); f && f->isVisible()) form = f;
        if (!form || form->IsUnloaded()) return;
        if (form->CurrentPage() == 2) {
            bOrdnerDa = QFileInfo(sDatenOrdner).isDir();
            sSicherung = form->findChild<CaptionLabel*>(QStringLiteral("lblSich"))->Caption();
        }
        ClickButton(*form, QStringLiteral("weiter"));
    });
    pilot.start(30);
    QCOMPARE(RunWizardHost(sDatenbank), 0);
    pilot.stop();
    InstallHostServices(nullptr);

    // The host made its data folder before the wizard opened; the backup went there.
    QVERIFY(bOrdnerDa);
    QCOMPARE(sSicherung, sDatenOrdner + QStringLiteral("/bank.db.BKA"));
    QFile sicherung(sSicherung);
    QVERIFY(sicherung.open(QIODevice::ReadOnly));
    QCOMPARE(sicherung.readAll(), vorher);
    const QStringList archive = QDir(home.path()).entryList({QStringLiteral("*.aba")}, QDir::Files);
    QCOMPARE(archive.size(), 1);
    QVERIFY(archive[0].startsWith(QStringLiteral("bank_Archiv_")));
    QCOMPARE(boxen->Shown().size(), size_t{1});
    QCOMPARE(boxen->Shown()[0].sText, QStringLiteral("Die Daten wurden erfolgreich archiviert."));
}

QTEST_MAIN(FirstRunTest)
#include "FirstRunTest.moc"
