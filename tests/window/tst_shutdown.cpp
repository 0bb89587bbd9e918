#include "testsupport.h"

#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <QWindow>

using namespace Tintora;
using TestSupport::child;

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void farewell_data();
    void farewell();
    void exitWhilePanelOpen();
    void failedLoadSaysMissingFiles();
};

void TestShutdown::farewell_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("File > Exit") << false;
    QTest::newRow("close box") << true;
}

void TestShutdown::farewell()
{
    QFETCH(bool, closeBox);
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window.get()));

    if (closeBox)
        window->close();
    else
        child<QAction>(window.window.get(), QStringLiteral("mnuFileExit"))->trigger();

    QCOMPARE(window.exitCode->value_or(-1), 0);
    SplashWindow *splash = window->frmLoading();
    QCOMPARE(splash->windowTitle(), QStringLiteral("Thank you for usimg the Tintora Utility"));
    // The farewell is on the screen before the process ends.
    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowHandle() && splash->windowHandle()->isExposed());
    QVERIFY(!window->isVisible());
}

void TestShutdown::exitWhilePanelOpen()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    window->show();
    QTest::mouseClick(window->tlbFirst()->button(5), Qt::LeftButton);
    auto *exit = child<QAction>(window.window.get(), QStringLiteral("mnuFileExit"));
    QVERIFY(exit->isEnabled());
    exit->trigger();
    QCOMPARE(window.exitCode->value_or(-1), 0);
}

void TestShutdown::failedLoadSaysMissingFiles()
{
    TestSupport::ProgramFolder folder;
    folder.remove(QStringLiteral("Pantone/bluelist.dat"));
    TestSupport::TestWindow window(folder.path());
    TestSupport::MessageBoxWatcher watcher;
    QVERIFY(!window->Form_Load());
    QCOMPARE(window.exitCode->value_or(-1), 1);
    QCOMPARE(window->frmLoading()->windowTitle(), QStringLiteral("MISSING FOLDER OR FILES!!"));
    QVERIFY(window->frmLoading()->windowHandle()->isExposed());
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
