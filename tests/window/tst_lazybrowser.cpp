#include "testsupport.h"

#include "widgets/browserhost.h"
#include "window/paneltoolbar.h"

#include <QFile>
#include <QTest>
#include <QToolButton>

using namespace Tintora;

namespace {

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("libQt6WebEngine");
}

} // namespace

// The window comes up without Qt WebEngine; the Web Browser panel brings it in when it opens.
class TestLazyBrowser : public QObject
{
    Q_OBJECT

private slots:
    void webEngineWaitsForTheBrowserPanel();
};

void TestLazyBrowser::webEngineWaitsForTheBrowserPanel()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path(),
                                   QStringLiteral(TINTORA_PROGRAM_DIR "/tintora_webview"));
    QVERIFY(window->Form_Load());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.window.get()));
    for (int index : {1, 2, 3, 4, 5, 7}) {
        QTest::mouseClick(window->tlbFirst()->button(index), Qt::LeftButton);
        QTest::mouseClick(window->tlbFirst()->button(index), Qt::LeftButton);
    }
    QVERIFY2(!webEngineMapped(), "Qt WebEngine was loaded before the Web Browser panel opened");

    QTest::mouseClick(window->tlbFirst()->button(6), Qt::LeftButton);
    auto *host = TestSupport::child<BrowserHost>(window.window.get(), QStringLiteral("brwVRN"));
    QTRY_VERIFY(host->isActivated());
    QVERIFY2(host->browser(), "the browser plug-in did not load");
    QVERIFY(webEngineMapped());
}

QTEST_MAIN(TestLazyBrowser)
#include "tst_lazybrowser.moc"
