#include "core/previewbrowser.h"
#include "widgets/browserhost.h"

#include "webprobe.h"

#include <QFile>
#include <QLabel>
#include <QPluginLoader>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace Tintora;
using namespace Qt::StringLiterals;

#ifndef TINTORA_PAGE_PROBE
#define TINTORA_PAGE_PROBE "" // built without Qt WebEngine: init() skips the cases that need it
#endif

namespace {

// Chromium's first start on a small, busy machine takes seconds: a wait, not a time limit.
constexpr int kBrowserTimeout = 60000;

bool webEngineMapped()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

// Writes a preview page file, as the program does: a new file takes the old one's place, holding
// the page in double quotes, then CR LF.
bool writePage(const QString &path, const QByteArray &back, const QByteArray &fore,
               const QByteArray &sample)
{
    QSaveFile file(path);
    const QByteArray content = "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE>"
                               "</HEAD><BODY BGCOLOR="
        + back + " FGCOLOR=" + fore + "><font color=" + fore + " size=2 name=Arial>" + sample
        + "</font></body></HTML>\"\r\n";
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.commit();
}

// What the page shows: the body's back colour, the sample's colour and its weight.
const QString kReadBack = uR"([getComputedStyle(document.body).backgroundColor,
    getComputedStyle(document.querySelector('font')).color,
    getComputedStyle(document.querySelector('font').firstElementChild).fontWeight])"_s;

} // namespace

class TestWebPreview : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        // Qt WebEngine needs shared OpenGL contexts, set before the application exists.
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }

private slots:
    void init();
    void loadsWebEngineOnlyOnActivation();
    void fallsBackWithoutUsablePlugin_data();
    void fallsBackWithoutUsablePlugin();
    void showsThePageFileAndReloadsIt();
    void pageRunsNoScriptsAndStaysOffTheNetwork();

private:
    // Writes the page, activates a browser host on it and waits for the first load; false when
    // there is no browser.
    bool open(const QByteArray &sample, const QByteArray &back, const QByteArray &fore);
    // Evaluates script on the page in a script world of the test's own; invalid without answer.
    QVariant evaluate(const QString &script);
    QWidget *view() const { return m_host->browser()->widget(); }

    QTemporaryDir m_dir;
    QString m_page = m_dir.filePath(u"WebDask.html"_s);
    std::unique_ptr<BrowserHost> m_host;
    std::unique_ptr<QSignalSpy> m_loads;
    bool m_browserActivated = false;
};

void TestWebPreview::init()
{
    if (!*TINTORA_PAGE_PROBE
        && qstrcmp(QTest::currentTestFunction(), "fallsBackWithoutUsablePlugin"))
        QSKIP("built without Qt WebEngine");
    m_host = std::make_unique<BrowserHost>(QStringLiteral(TINTORA_PROGRAM_DIR "/tintora_webview"));
}

bool TestWebPreview::open(const QByteArray &sample, const QByteArray &back, const QByteArray &fore)
{
    if (!writePage(m_page, back, fore, sample))
        return false;
    m_host->navigate(m_page);
    m_host->activate();
    m_browserActivated = true;
    if (!m_host->browser())
        return false;
    const QMetaObject *meta = view()->metaObject();
    m_loads = std::make_unique<QSignalSpy>(view(),
                                           meta->method(meta->indexOfSignal("loadFinished(bool)")));
    return QTest::qWaitFor([this] { return !m_loads->isEmpty(); }, kBrowserTimeout)
        && m_loads->first().first().toBool();
}

QVariant TestWebPreview::evaluate(const QString &script)
{
    QPluginLoader loader(QStringLiteral(TINTORA_PAGE_PROBE));
    // Shared with the callback, which may come after this function gave up waiting.
    auto result = std::make_shared<std::optional<QVariant>>();
    if (auto *probe = qobject_cast<PageProbe *>(loader.instance()))
        probe->evaluate(view(), script, [result](const QVariant &value) { *result = value; });
    return QTest::qWaitFor([&result] { return result->has_value(); }, kBrowserTimeout) ? **result
                                                                                       : QVariant();
}

void TestWebPreview::loadsWebEngineOnlyOnActivation()
{
    if (m_browserActivated)
        QSKIP("an earlier case activated a browser; run this case first or alone");
    QVERIFY2(!webEngineMapped(), "Qt WebEngine was loaded before any browser was asked for");
    m_host->navigate(m_page);
    m_host->reload();
    QCoreApplication::processEvents();
    QVERIFY(!m_host->isActivated() && !m_host->browser());
    QVERIFY2(!webEngineMapped(), "navigate() or reload() loaded Qt WebEngine before activate()");

    QVERIFY(open("Hi", "FFFFFF", "000000"));
    QVERIFY(webEngineMapped());
}

void TestWebPreview::fallsBackWithoutUsablePlugin_data()
{
    QTest::addColumn<QString>("pluginPath");
    QTest::newRow("missing") << QStringLiteral(TINTORA_PROGRAM_DIR "/no_such_plugin");
    // Stands for a plug-in whose libraries are missing: the loader gets no instance either way.
    QTest::newRow("not a library")
        << QStringLiteral(TINTORA_SOURCE_DIR "/tests/preview/tst_webpreview.cpp");
}

void TestWebPreview::fallsBackWithoutUsablePlugin()
{
    QFETCH(QString, pluginPath);
    BrowserHost host(pluginPath);
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

void TestWebPreview::showsThePageFileAndReloadsIt()
{
    QVERIFY(open("<b>Hi</b>", "FF0000", "0000FF"));
    QCOMPARE(evaluate(kReadBack).toStringList(),
             QStringList({"rgb(255, 0, 0)", "rgb(0, 0, 255)", "700"}));

    // Rewritten, then reloaded: the new colours and weight.
    QVERIFY(writePage(m_page, "00FF00", "FFFF00", "<I>Hi</I>"));
    m_host->reload();
    QVERIFY(QTest::qWaitFor([this] { return m_loads->count() == 2; }, kBrowserTimeout));
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

    // Once the page has loaded, its scripts had their chance, and its image and style sheet were
    // asked for.
    QVERIFY(open("<script>document.title='ran'</script><img src=\"" + remote
                     + "/remote.png\" onerror=\"document.title='ran'\"><link rel=stylesheet href=\""
                     + remote + "/remote.css\">Hi",
                 "FFFFFF", "000000"));
    QCOMPARE(evaluate(u"document.title"_s).toString(), u"TINTORA CONVERSIONS WEBVIEWER 2003"_s);
    QVERIFY(reached.isEmpty());
}

QTEST_MAIN(TestWebPreview)
#include "tst_webpreview.moc"
