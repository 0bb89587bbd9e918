#include "testsupport.h"

#include "core/previewbrowser.h"
#include "widgets/browserhost.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include "webprobe.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

// Chromium's first start on a small, busy machine takes seconds: a wait, not a time limit.
constexpr int kBrowserTimeout = 60000;

// What the page shows: the body's back colour, the sample's colour and its weight.
const QString kReadBack = uR"([getComputedStyle(document.body).backgroundColor,
    getComputedStyle(document.querySelector('font')).color,
    getComputedStyle([...document.querySelectorAll('font, font *')].pop()).fontWeight])"_s;

} // namespace

// The preview browser on the real Web Browser panel. Qt WebEngine runs one browser per process
// here, as in the program, so the cases share the window's and follow one another.
class TestWebPreview : public QObject
{
    Q_OBJECT

private slots:
    void loadsWebEngineOnlyWhenThePanelOpens();
    void showsTheWrittenPageAndReloadsIt();
    void pageRunsNoScriptsAndStaysOffTheNetwork();
    void fallsBackWithoutUsablePlugin();
    void cleanupTestCase();

private:
    // Waits for the browser's next finished load; false when it failed or never came, or when there
    // is no browser.
    bool loaded();
    // Evaluates script on the page in a script world of the test's own; invalid without answer.
    QVariant evaluate(const QString &script);
    template<typename T>
    T *find(const QString &name) const
    {
        return TestSupport::child<T>(m_window->window.get(), name);
    }
    BrowserHost *host() const { return find<BrowserHost>(u"brwVRN"_s); }

    TestSupport::ProgramFolder m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window = std::make_unique<TestSupport::TestWindow>(
        m_folder.path(), QStringLiteral(TINTORA_PROGRAM_DIR "/tintora_webview"));
    std::unique_ptr<QSignalSpy> m_loads;
};

bool TestWebPreview::loaded()
{
    const qsizetype before = m_loads ? m_loads->count() : 0;
    return m_loads && QTest::qWaitFor([&] { return m_loads->count() > before; }, kBrowserTimeout)
        && m_loads->last().first().toBool();
}

QVariant TestWebPreview::evaluate(const QString &script)
{
    QPluginLoader loader(QStringLiteral(TINTORA_PAGE_PROBE));
    // Shared with the callback, which may come after this function gave up waiting.
    auto result = std::make_shared<std::optional<QVariant>>();
    if (auto *probe = qobject_cast<PageProbe *>(loader.instance()))
        probe->evaluate(host()->browser()->widget(), script,
                        [result](const QVariant &value) { *result = value; });
    return QTest::qWaitFor([&result] { return result->has_value(); }, kBrowserTimeout) ? **result
                                                                                       : QVariant();
}

void TestWebPreview::loadsWebEngineOnlyWhenThePanelOpens()
{
    const auto webEngineMapped = [] {
        QFile maps(u"/proc/self/maps"_s);
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
    };
    QVERIFY(m_window->loadAndShow());
    for (int index : {1, 2, 3, 4, 5, 7}) {
        QTest::mouseClick((*m_window)->tlbFirst()->button(index), Qt::LeftButton);
        QTest::mouseClick((*m_window)->tlbFirst()->button(index), Qt::LeftButton);
    }
    QVERIFY2(!webEngineMapped(), "Qt WebEngine was loaded before the Web Browser panel opened");

    QTest::mouseClick((*m_window)->tlbFirst()->button(6), Qt::LeftButton);
    QTRY_VERIFY(host()->isActivated());
    QVERIFY2(host()->browser(), "the browser plug-in did not load");
    QVERIFY(webEngineMapped());
    const QMetaObject *meta = host()->browser()->widget()->metaObject();
    m_loads = std::make_unique<QSignalSpy>(host()->browser()->widget(),
                                           meta->method(meta->indexOfSignal("loadFinished(bool)")));
    QVERIFY(loaded());
}

void TestWebPreview::showsTheWrittenPageAndReloadsIt()
{
    // Through the page writer: blue bold text on red, then yellow text on green.
    find<QLineEdit>(u"txtWebSample"_s)->setText(u"Hi"_s);
    setBackColor(find<QLineEdit>(u"txtWebSample"_s), 255);
    setForeColor(find<QLineEdit>(u"txtWebSample"_s), 16711680);
    find<QCheckBox>(u"chkBold"_s)->click();
    find<QPushButton>(u"cmdWriteWeb"_s)->click();
    QVERIFY(loaded());
    QCOMPARE(evaluate(kReadBack).toStringList(),
             QStringList({"rgb(255, 0, 0)", "rgb(0, 0, 255)", "700"}));

    setBackColor(find<QLineEdit>(u"txtWebSample"_s), 65280);
    setForeColor(find<QLineEdit>(u"txtWebSample"_s), 65535);
    find<QCheckBox>(u"chkBold"_s)->click();
    find<QPushButton>(u"cmdWriteWeb"_s)->click();
    QVERIFY(loaded());
    QCOMPARE(evaluate(kReadBack).toStringList(),
             QStringList({"rgb(0, 255, 0)", "rgb(255, 255, 0)", "400"}));
}

void TestWebPreview::pageRunsNoScriptsAndStaysOffTheNetwork()
{
    // A page that reaches the server is cut off, so that it still finishes loading.
    QTcpServer server;
    QSignalSpy reached(&server, &QTcpServer::newConnection);
    connect(&server, &QTcpServer::newConnection, &server, &QTcpServer::close);
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort());

    // As if changed by hand. Once the page has loaded, its scripts had their chance, and its image
    // and style sheet were asked for.
    m_folder.write(u"Webdask/WebDask.html"_s,
                   "<title>unchanged</title><script>document.title='ran'</script><img src=\""
                       + remote
                       + "/remote.png\" onerror=\"document.title='ran'\"><link "
                         "rel=stylesheet href=\""
                       + remote + "/remote.css\">Hi");
    find<QPushButton>(u"cmdRefresh"_s)->click();
    QVERIFY(loaded());
    QCOMPARE(evaluate(u"document.title"_s).toString(), u"unchanged"_s);
    QVERIFY(reached.isEmpty());
}

void TestWebPreview::fallsBackWithoutUsablePlugin()
{
    // Stands for a plug-in whose libraries are missing: the loader gets no instance either way.
    BrowserHost host(QStringLiteral(TINTORA_SOURCE_DIR "/tests/browser/tst_webpreview.cpp"));
    host.navigate(u"/tmp/<Webdask>/WebDask.html"_s);
    host.activate();
    host.reload();
    QVERIFY(host.isActivated() && !host.browser());

    const QList<QLabel *> labels = host.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(),
             u"No web browser is available on this computer.\nThe preview "
             "page is still written to:\n/tmp/<Webdask>/WebDask.html"_s);
    QCOMPARE(labels.first()->textFormat(), Qt::PlainText);
}

void TestWebPreview::cleanupTestCase()
{
    // The browser goes while the event loop still runs: Qt WebEngine, running in this one process,
    // would otherwise wait forever for its page renderer when the application ends. The program
    // itself never gets there, it ends its process.
    m_loads.reset();
    m_window.reset();
    QTest::qWait(0);
}

QTEST_MAIN(TestWebPreview)
#include "tst_webpreview.moc"
