// Whose names the windows carry: the component called by a host never renames the host's. (The
// program's own windows: program_window_test.)
#include "WizardFixture.h"

#include "component/HbArchiv.h"

#include <QApplication>
#include <QIcon>
#include <QTest>

using namespace tolva;
using namespace tolva::test;

namespace {

// What the application says about itself while a window of a call is up.
struct Names {
    QString sAnwendung;
    QString sDesktop;
    qint64 lIcon = 0;  // the window icon's cache key; 0: none
};

Names Current() {
    const QIcon icon = QGuiApplication::windowIcon();
    return {QCoreApplication::applicationName(), QGuiApplication::desktopFileName(),
            icon.isNull() ? 0 : icon.cacheKey()};
}

QString SkinPicture(const char* sName) {
    return qEnvironmentVariable("TOLVA_DATA_DIR") + QStringLiteral("skin/") + sName;
}

}  // namespace

// The slots run in this order: the first needs a process in which no application had a name.
class WindowNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void anApplicationMadeForACHostIsNamedAfterTheHostsProcess();
    void aQtHostKeepsItsNamesAndIconDuringAndAfterTheCall();
};

void WindowNamesTest::anApplicationMadeForACHostIsNamedAfterTheHostsProcess() {
    QVERIFY(!QCoreApplication::instance());
    WizardEnvironment umgebung;
    QString sDatenbank = umgebung.MakeEmptyDatabase(QStringLiteral("Leer.dat"));
    Names waehrend;
    umgebung.Boxes().onShow = [&](const ShownMessage&) { waehrend = Current(); };
    HbArchiv objekt;
    QVERIFY(!objekt.Archiv(sDatenbank));
    QCOMPARE(umgebung.Boxes().Shown().size(), size_t(1));  // no accounts: the box, then closed
    QCOMPARE(waehrend.sAnwendung, QStringLiteral("wizard_window_names_test"));
    QCOMPARE(waehrend.sDesktop, QString());
}

void WindowNamesTest::aQtHostKeepsItsNamesAndIconDuringAndAfterTheCall() {
    int argc = 1;
    char sName[] = "fremder-host";
    char* argv[] = {sName, nullptr};
    QApplication host(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("fremder-host"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fremder-host"));
    QApplication::setWindowIcon(QIcon(SkinPicture("hintergrund.png")));
    const Names vorher = Current();

    WizardEnvironment umgebung;
    QString sDatenbank = umgebung.MakeEmptyDatabase(QStringLiteral("Leer.dat"));
    Names waehrend;
    umgebung.Boxes().onShow = [&](const ShownMessage&) { waehrend = Current(); };
    HbArchiv objekt;
    objekt.Icon(QImage(SkinPicture("fokus.png")));
    QVERIFY(!objekt.Archiv(sDatenbank));
    QCOMPARE(umgebung.Boxes().Shown().size(), size_t(1));
    for (const Names& n : {waehrend, Current()}) {
        QCOMPARE(n.sAnwendung, QStringLiteral("fremder-host"));
        QCOMPARE(n.sDesktop, QStringLiteral("fremder-host"));
        QCOMPARE(n.lIcon, vorher.lIcon);
    }
}

int main(int argc, char** argv) {
    WindowNamesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowNamesTest.moc"
