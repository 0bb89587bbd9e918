#include "testsupport.h"

#include "browser/browserhost.h"
#include "core/previewbrowser.h"
#include "window/paneltoolbar.h"

#include <QFile>
#include <QPluginLoader>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;

// Chromium's first start on a small, busy machine takes seconds: a wait, not a time limit.
constexpr int kBrowserTimeout = 60000;
constexpr char kPluginPath[] = TINTORA_PROGRAM_DIR "/tintora_webview";

// The preview browser on the real Web Browser panel. Qt WebEngine runs one browser per process
// here, as in the program, so the cases share the window's and follow one another.
class TestWebPreview : public QObject
{
    Q_OBJECT

private slots:
    // Qt WebEngine loads in the background once the window is up; the panel's first opening finds
    // it loaded. (How much that saves, bench/ measures.)
    void loadsWebEngineInTheBackgroundOnceTheWindowIsUp()
    {
        QVERIFY(m_window->loadAndShow());
        (*m_window)->preloadBrowser();
        QTRY_VERIFY_WITH_TIMEOUT(QPluginLoader(QString::fromLatin1(kPluginPath)).isLoaded(), 20000);
        QTest::mouseClick((*m_window)->toolbar()->button(6), Qt::LeftButton);
        QTRY_VERIFY(host()->isActivated());
        QVERIFY2(host()->browser(), "the browser plug-in did not load");
        m_loads
            = std::make_unique<QSignalSpy>(host()->browser()->widget(), SIGNAL(loadFinished(bool)));
        QVERIFY(loaded());
    }

    // The welcome page first; the page writer's page after a write, reloaded by it.
    void showsTheWrittenPageAndReloadsIt()
    {
        QCOMPARE(title(), u"Tintora Conversions"_s);
        TestSupport::child<QPushButton>(&**m_window, u"cmdWriteWeb"_s)->click();
        QVERIFY(loaded());
        QCOMPARE(title(), u"TINTORA CONVERSIONS WEBVIEWER 2003"_s);
    }

    void pageRunsNoScriptsAndStaysOffTheNetwork()
    {
        // A page that reaches the server is cut off, so that it still finishes loading.
        QTcpServer server;
        QSignalSpy reached(&server, &QTcpServer::newConnection);
        connect(&server, &QTcpServer::newConnection, &server, &QTcpServer::close);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort());

        // As if changed by hand. Once the page has loaded, its scripts had their chance, and its
        // image and style sheet were asked for.
        m_folder.write(
            u"Webdask/WebDask.html"_s,
            "<title>unchanged</title><script>document.title='ran'</script><img src=\"" + remote
                + "/remote.png\" onerror=\"document.title='ran'\"><link rel=stylesheet href=\""
                + remote + "/remote.css\">Hi");
        TestSupport::child<QPushButton>(&**m_window, u"cmdRefresh"_s)->click();
        QVERIFY(loaded());
        QCOMPARE(title(), u"unchanged"_s);
        QVERIFY(reached.isEmpty());
    }

    void cleanupTestCase()
    {
        // The browser goes while the event loop still runs: Qt WebEngine, running in this one
        // process, would otherwise wait forever for its page renderer when the application ends.
        // The program itself never gets there, it ends its process.
        m_loads.reset();
        m_window.reset();
        QTest::qWait(0);
    }

private:
    // Waits for the browser's next finished load; false when it failed or never came.
    bool loaded()
    {
        const qsizetype before = m_loads->count();
        return QTest::qWaitFor([&] { return m_loads->count() > before; }, kBrowserTimeout)
            && m_loads->last().first().toBool();
    }
    // The page's title, read through the view's property: the test links no Qt WebEngine.
    QString title() const { return host()->browser()->widget()->property("title").toString(); }
    BrowserHost *host() const { return TestSupport::child<BrowserHost>(&**m_window, u"brwVRN"_s); }

    TestSupport::ProgramFolder m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window = std::make_unique<TestSupport::TestWindow>(
        m_folder.path(), QString::fromLatin1(kPluginPath));
    std::unique_ptr<QSignalSpy> m_loads;
};

QTEST_MAIN(TestWebPreview)
#include "tst_webpreview.moc"
