// Whose names the windows carry: the program names its application; the component called by a
// host never renames the host's.
#include "WizardFixture.h"

#include "component/HbArchiv.h"
#include "window/WindowApi.h"

#include <QApplication>
#include <QIcon>
#include <QTest>
#include <QTimer>

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

// Set around a call that makes its own application: once a window of it is up, the names are
// noted there and the windows closed.
Names* g_notiert = nullptr;

void NoteAndClose(int versuche) {
    QWidgetList offen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) offen << w;
    if (offen.isEmpty()) {
        if (versuche < 500) QTimer::singleShot(10, [versuche] { NoteAndClose(versuche + 1); });
        return;
    }
    *g_notiert = Current();
    for (QWidget* w : offen) w->close();
}

void OnApplication() {
    if (g_notiert) QTimer::singleShot(0, [] { NoteAndClose(0); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(OnApplication)

// The slots run in this order: the first needs a process in which no application had a name.
class WindowNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void anApplicationMadeForACHostIsNamedAfterTheHostsProcess();
    void theProgramsWindowsCarryItsNamesAndIcon();
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

void WindowNamesTest::theProgramsWindowsCarryItsNamesAndIcon() {
    QVERIFY(!QCoreApplication::instance());
    const ProgramIdentity programm{QStringLiteral("tolva-archiv"), SkinPicture("fokus.png")};
    const WindowApi* api = tolva_window_api(&programm);
    Names waehrend;
    g_notiert = &waehrend;
    const QString sArchiv = qEnvironmentVariable("TOLVA_DATA_DIR") + QStringLiteral("HbLeer.dat");
    const Status gezeigt = api->ShowBrowser(sArchiv, QString());
    g_notiert = nullptr;
    tolva_window_api(nullptr);
    QVERIFY2(gezeigt.ok(), qPrintable(gezeigt.description()));
    QCOMPARE(waehrend.sAnwendung, QStringLiteral("tolva-archiv"));
    QCOMPARE(waehrend.sDesktop, QStringLiteral("tolva-archiv"));
    QVERIFY(waehrend.lIcon != 0);
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
