#include "preview/browserhost.h"
#include "preview/previewbrowser.h"

#include "webprobe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMetaMethod>
#include <QPluginLoader>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace Tintora;

namespace {

// Chromium's first start on a small, busy machine takes seconds; these are waits, not time
// limits. Plain waits rather than QTRY_*, which wait three times as long before they fail.
constexpr int browserTimeout = 60000;

const QString browserPluginPath = QStringLiteral(TINTORA_PROGRAM_DIR "/tintora_webview");

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    return maps.readAll().contains("libQt6WebEngine");
}

// The page text the program writes for a sample, HTML Numbers red pair first.
QByteArray pageText(const QByteArray &back, const QByteArray &fore, const QByteArray &sample)
{
    return "<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY BGCOLOR="
        + back + " FGCOLOR=" + fore + "><font color=" + fore + " size=2 name=Arial>" + sample
        + "</font></body></HTML>";
}

// The preview page file holds the page text in double quotes, then CR LF.
QByteArray pageFileContent(const QByteArray &text)
{
    return '"' + text + "\"\r\n";
}

// The program replaces the file (a new file takes the old one's place); a user may also edit it
// in place. The browser must show the new content either way.
enum class WriteMode { Replace, InPlace };

bool writeFile(const QString &path, const QByteArray &content, WriteMode mode = WriteMode::Replace)
{
    if (mode == WriteMode::Replace) {
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
            && file.commit();
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(content) == content.size();
}

bool waitForLoads(const QSignalSpy &loads, qsizetype count)
{
    return QTest::qWaitFor([&loads, count] { return loads.count() >= count; }, browserTimeout);
}

QMetaMethod loadFinishedSignal(const QObject *view)
{
    const QMetaObject *meta = view->metaObject();
    return meta->method(meta->indexOfSignal("loadFinished(bool)"));
}

// Evaluates script on the page in a script world of the test's own; nullopt when there is no
// answer.
std::optional<QVariant> evaluate(QWidget *view, const QString &script)
{
#ifdef TINTORA_PAGE_PROBE
    QPluginLoader loader(QStringLiteral(TINTORA_PAGE_PROBE));
    auto *probe = qobject_cast<PageProbe *>(loader.instance());
    if (!probe)
        return std::nullopt;
    // Shared with the callback, which may come after this function gave up waiting.
    auto result = std::make_shared<std::optional<QVariant>>();
    probe->evaluate(view, script, [result](const QVariant &value) { *result = value; });
    if (!QTest::qWaitFor([&result] { return result->has_value(); }, browserTimeout))
        return std::nullopt;
    return *result;
#else
    Q_UNUSED(view)
    Q_UNUSED(script)
    return std::nullopt;
#endif
}

// What the page shows: the body's back colour, the sample's colour, its weight, and the title.
const QString readBackScript = QStringLiteral(R"(
    (function () {
        const sample = document.querySelector('font b') || document.querySelector('font');
        return [getComputedStyle(document.body).backgroundColor,
                sample ? getComputedStyle(sample).color : '',
                sample ? getComputedStyle(sample).fontWeight : '',
                document.title];
    })())");

} // namespace

class TestWebPreview : public QObject
{
    Q_OBJECT

private slots:
    void loadsWebEngineOnlyOnActivation();
    void fallsBackWithoutUsablePlugin_data();
    void fallsBackWithoutUsablePlugin();
    void showsThePageFileAndReloadsIt();
    void runsNoPageScripts();
    void staysOnThePageFileOffline();

private:
    // Activates host and waits for the browser's first load; false when there is no browser.
    bool activateAndLoad(BrowserHost &host, std::unique_ptr<QSignalSpy> &loads);

    bool m_browserActivated = false;
};

bool TestWebPreview::activateAndLoad(BrowserHost &host, std::unique_ptr<QSignalSpy> &loads)
{
    host.resize(400, 300);
    host.show();
    QElapsedTimer clock;
    clock.start();
    host.activate();
    m_browserActivated = true;
    if (!host.browser())
        return false;
    QWidget *view = host.browser()->widget();
    loads = std::make_unique<QSignalSpy>(view, loadFinishedSignal(view));
    if (!loads->isValid() || !waitForLoads(*loads, 1))
        return false;
    qInfo("activation to first loadFinished: %lld ms", static_cast<long long>(clock.elapsed()));
    return true;
}

#ifdef TINTORA_PAGE_PROBE
#define REQUIRE_BROWSER(ok) QVERIFY2(ok, "the browser plug-in gave no browser or no page load")
#else
#define REQUIRE_BROWSER(ok)                                                                        \
    if (!(ok))                                                                                     \
    QSKIP("built without Qt WebEngine")
#endif

void TestWebPreview::loadsWebEngineOnlyOnActivation()
{
    if (m_browserActivated)
        QSKIP("an earlier case activated a browser; run this case first or alone");
    QVERIFY2(!webEngineMapped(), "Qt WebEngine was loaded before any browser was asked for");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("WebDask.html"));
    QVERIFY(writeFile(page, pageFileContent(pageText("FFFFFF", "000000", "Hi"))));

    BrowserHost host(browserPluginPath);
    host.navigate(page);
    host.reload();
    QVERIFY(!host.isActivated());
    QVERIFY(!host.browser());
    QCoreApplication::processEvents();
    QVERIFY2(!webEngineMapped(), "navigate() or reload() loaded Qt WebEngine before activate()");

    std::unique_ptr<QSignalSpy> loads;
    const bool loaded = activateAndLoad(host, loads);
    QVERIFY(host.isActivated());
    REQUIRE_BROWSER(loaded);
    QVERIFY(webEngineMapped());
    QCOMPARE(loads->first().first().toBool(), true);
    QCOMPARE(host.browser()->widget()->property("url").toUrl(), QUrl::fromLocalFile(page));
}

void TestWebPreview::fallsBackWithoutUsablePlugin_data()
{
    QTest::addColumn<QString>("pluginPath");

    QTest::newRow("missing") << QStringLiteral(TINTORA_PROGRAM_DIR "/no_such_plugin");
    // Stands for a plug-in whose libraries are missing: the loader gets no instance either way.
    QTest::newRow("not a library")
        << QStringLiteral(TINTORA_SOURCE_DIR "/tests/preview/tst_webpreview.cpp");
    QTest::newRow("other interface") << QLibraryInfo::path(QLibraryInfo::PluginsPath)
            + QStringLiteral("/imageformats/libqgif.so");
}

void TestWebPreview::fallsBackWithoutUsablePlugin()
{
    QFETCH(QString, pluginPath);
    if (QTest::currentDataTag() == QByteArrayLiteral("other interface")
        && !QFile::exists(pluginPath))
        QSKIP("no Qt image format plug-in to stand for a foreign plug-in");

    const QString page = QStringLiteral("/tmp/Webdask/WebDask.html");
    BrowserHost host(pluginPath);
    host.navigate(page);
    host.reload();
    host.activate();
    QVERIFY(host.isActivated());
    QVERIFY(!host.browser());

    const QList<QLabel *> labels = host.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    const QLabel *label = labels.first();
    QCOMPARE(label->text(),
             QStringLiteral("No web browser is available on this computer.\n"
                            "The preview page is still written to:\n")
                 + QDir::toNativeSeparators(page));
    QVERIFY(label->wordWrap());
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);

    // Later calls are harmless, the label follows the page file, and activation happens once.
    const QString otherPage = QStringLiteral("/tmp/<other>/WebDask.html");
    host.navigate(otherPage);
    host.reload();
    host.activate();
    QCOMPARE(host.findChildren<QLabel *>().size(), 1);
    QVERIFY(label->text().endsWith(QDir::toNativeSeparators(otherPage)));
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestWebPreview::showsThePageFileAndReloadsIt()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Webdask")));
    const QString page = dir.filePath(QStringLiteral("Webdask/WebDask.html"));
    QVERIFY(writeFile(page, pageFileContent(pageText("FF0000", "0000FF", "<b>Hi</b>"))));

    // As at start-up: pointed at the file while the panel is still closed.
    BrowserHost host(browserPluginPath);
    host.navigate(page);
    std::unique_ptr<QSignalSpy> loads;
    REQUIRE_BROWSER(activateAndLoad(host, loads));
    QWidget *view = host.browser()->widget();
    QCOMPARE(loads->last().first().toBool(), true);

    std::optional<QVariant> shown = evaluate(view, readBackScript);
    QVERIFY(shown);
    QCOMPARE(shown->toStringList(),
             QStringList({"rgb(255, 0, 0)", "rgb(0, 0, 255)", "700",
                          "TINTORA CONVERSIONS WEBVIEWER 2003"}));
    QCOMPARE(view->property("title").toString(),
             QStringLiteral("TINTORA CONVERSIONS WEBVIEWER 2003"));

    // The writer replaces the file, then reloads.
    QVERIFY(writeFile(page, pageFileContent(pageText("00FF00", "FFFF00", "<I>Hi</I>"))));
    host.reload();
    QVERIFY(waitForLoads(*loads, 2));
    QCOMPARE(loads->count(), 2);
    QCOMPARE(loads->last().first().toBool(), true);
    shown = evaluate(view, readBackScript);
    QVERIFY(shown);
    QCOMPARE(shown->toStringList(),
             QStringList({"rgb(0, 255, 0)", "rgb(255, 255, 0)", "400",
                          "TINTORA CONVERSIONS WEBVIEWER 2003"}));

    // Edited in place, to the same length: still read afresh.
    QVERIFY(writeFile(page, pageFileContent(pageText("0000FF", "FFFFFF", "<b>Ho</b>")),
                      WriteMode::InPlace));
    host.reload();
    QVERIFY(waitForLoads(*loads, 3));
    QCOMPARE(loads->count(), 3);
    shown = evaluate(view, readBackScript);
    QVERIFY(shown);
    QCOMPARE(shown->toStringList(),
             QStringList({"rgb(0, 0, 255)", "rgb(255, 255, 255)", "700",
                          "TINTORA CONVERSIONS WEBVIEWER 2003"}));
    QCOMPARE(view->property("url").toUrl(), QUrl::fromLocalFile(page));

    // Pointed at another file once open, the browser follows, and then stays there.
    const QString otherPage = dir.filePath(QStringLiteral("Other.html"));
    QVERIFY(writeFile(otherPage, pageFileContent(pageText("FFFFFF", "000000", "Hi"))));
    host.navigate(otherPage);
    QVERIFY(waitForLoads(*loads, 4));
    host.reload();
    QVERIFY(waitForLoads(*loads, 5));
    QCOMPARE(loads->count(), 5);
    QCOMPARE(loads->last().first().toBool(), true);
    QCOMPARE(view->property("url").toUrl(), QUrl::fromLocalFile(otherPage));
    shown = evaluate(view, readBackScript);
    QVERIFY(shown);
    QCOMPARE(shown->toStringList().first(), QStringLiteral("rgb(255, 255, 255)"));
}

void TestWebPreview::runsNoPageScripts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("WebDask.html"));
    QVERIFY(writeFile(
        page,
        pageFileContent(pageText("FFFFFF", "000000",
                                 "<script>document.title='ran';"
                                 "document.documentElement.setAttribute('data-ran','yes')</script>"
                                 "<img src=missing.png onerror=\"document.title='ran'\">Hi"))));

    BrowserHost host(browserPluginPath);
    host.navigate(page);
    std::unique_ptr<QSignalSpy> loads;
    REQUIRE_BROWSER(activateAndLoad(host, loads));
    QWidget *view = host.browser()->widget();

    const std::optional<QVariant> state = evaluate(
        view,
        QStringLiteral(
            "[document.title, String(document.documentElement.getAttribute('data-ran'))]"));
    QVERIFY(state);
    QCOMPARE(state->toStringList(), QStringList({"TINTORA CONVERSIONS WEBVIEWER 2003", "null"}));
    QCOMPARE(view->property("title").toString(),
             QStringLiteral("TINTORA CONVERSIONS WEBVIEWER 2003"));

    // The test's own script world does run, so the checks above did look at the page.
    const std::optional<QVariant> probed
        = evaluate(view, QStringLiteral("document.title = 'probed'; document.title"));
    QVERIFY(probed);
    QCOMPARE(probed->toString(), QStringLiteral("probed"));
    QVERIFY(QTest::qWaitFor(
        [view] { return view->property("title").toString() == QStringLiteral("probed"); },
        browserTimeout));
}

void TestWebPreview::staysOnThePageFileOffline()
{
    // Answers nothing, so that a page reaching it still finishes loading and the test can tell.
    QTcpServer server;
    bool reached = false;
    connect(&server, &QTcpServer::newConnection, &server, [&server, &reached] {
        reached = true;
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            socket->abort();
            socket->deleteLater();
        }
    });
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("WebDask.html"));
    const QString other = dir.filePath(QStringLiteral("Other.html"));
    QVERIFY(writeFile(other, "<html><head><title>other</title></head></html>"));
    QVERIFY(writeFile(
        page,
        pageFileContent(pageText("FFFFFF", "000000",
                                 "<meta http-equiv=refresh content=\"0; url=Other.html\">"
                                 "<img src=\""
                                     + remote + "/remote.png\"><link rel=stylesheet href=\""
                                     + remote + "/remote.css\">Hi"))));

    BrowserHost host(browserPluginPath);
    host.navigate(page);
    std::unique_ptr<QSignalSpy> loads;
    REQUIRE_BROWSER(activateAndLoad(host, loads));
    QWidget *view = host.browser()->widget();

    // The page finished loading, so its image and style sheet were requested and refused.
    QCoreApplication::processEvents();
    QVERIFY(!reached);
    const std::optional<QVariant> image = evaluate(
        view, QStringLiteral("[document.images[0].complete, document.images[0].naturalWidth]"));
    QVERIFY(image);
    QCOMPARE(image->toList(), QVariantList({true, 0}));

    // The refresh to another file is tried once the page has loaded, and refused: a load that
    // fails, and the view stays on the page file.
    QVERIFY(waitForLoads(*loads, 2));
    QCOMPARE(QList<bool>({loads->at(0).first().toBool(), loads->at(1).first().toBool()}),
             QList<bool>({true, false}));
    QCOMPARE(view->property("url").toUrl(), QUrl::fromLocalFile(page));
    QCOMPARE(view->property("title").toString(),
             QStringLiteral("TINTORA CONVERSIONS WEBVIEWER 2003"));
    QVERIFY(!reached);
}

int main(int argc, char **argv)
{
    // Qt WebEngine needs shared OpenGL contexts, set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                "--disable-gpu --disable-background-networking --no-first-run");
    QApplication app(argc, argv);
    TestWebPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webpreview.moc"
