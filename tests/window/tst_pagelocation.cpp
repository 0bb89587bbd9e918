#include "testsupport.h"

#include "core/programfolder.h"
#include "panels/browserpanel.h"
#include "widgets/browserhost.h"
#include "window/paneltoolbar.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

const QString kShipped = u"Webdask/WebDask.html"_s;
const QString kCopy = u"user-data/Webdask/WebDask.html"_s;
constexpr auto kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr auto kReadOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

enum class Setup {
    WritableFolder,
    ReadOnlyFolder,
    ReadOnlyFolderAndPage,
    ReadOnlyPageOnly,
    MissingFolder,
    MissingPageInReadOnlyFolder,
    UnusableDataFolder,
    RelativeDataFolder,
    FolderWhereTheCopyBelongs,
    CopyAlreadyMade,
};

} // namespace

class TestPageLocation : public QObject
{
    Q_OBJECT

private slots:
    void chosenPage_data();
    void chosenPage();
    void writerAndBrowserUseTheCopy();
};

void TestPageLocation::chosenPage_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("expected"); // relative to the program folder
    QTest::addColumn<QByteArray>("copyContent"); // what the user's copy holds afterwards

    const QByteArray shipped = TestSupport::ProgramFolder().read(kShipped);
    QTest::newRow("writable program folder: the shipped page")
        << Setup::WritableFolder << kShipped << QByteArray();
    QTest::newRow("read-only program folder: a copy in the data folder")
        << Setup::ReadOnlyFolder << kCopy << shipped;
    QTest::newRow("regression: a read-only shipped page gave a read-only copy")
        << Setup::ReadOnlyFolderAndPage << kCopy << shipped;
    QTest::newRow("read-only page in a writable folder: kept, the writer refuses it")
        << Setup::ReadOnlyPageOnly << kShipped << QByteArray();
    QTest::newRow("missing folder: the missing page, reported at start-up")
        << Setup::MissingFolder << u"WebDask/WebDask.html"_s << QByteArray();
    QTest::newRow("nothing to copy: the missing page")
        << Setup::MissingPageInReadOnlyFolder << kShipped << QByteArray();
    QTest::newRow("data folder unusable: the shipped page")
        << Setup::UnusableDataFolder << kShipped << QByteArray();
    QTest::newRow("relative data folder: the shipped page, nothing made in the working folder")
        << Setup::RelativeDataFolder << kShipped << QByteArray();
    QTest::newRow("a folder where the copy belongs: the shipped page")
        << Setup::FolderWhereTheCopyBelongs << kShipped << QByteArray();
    QTest::newRow("copy made earlier: kept as the user left it")
        << Setup::CopyAlreadyMade << kCopy << QByteArray("the user's last page");
}

void TestPageLocation::chosenPage()
{
    QFETCH(Setup, setup);
    QFETCH(QString, expected);
    QFETCH(QByteArray, copyContent);
    const TestSupport::ProgramFolder folder;
    const QString webdask = folder.filePath(u"Webdask"_s);
    QString dataFolder = folder.filePath(u"user-data"_s);
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(workingFolder);
        QFile::setPermissions(webdask, kReadOnlyFolder | QFile::WriteOwner);
    });

    switch (setup) {
    case Setup::WritableFolder:
        break;
    case Setup::ReadOnlyPageOnly:
        QVERIFY(QFile::setPermissions(folder.filePath(kShipped), kReadOnlyFile));
        break;
    case Setup::MissingFolder:
        folder.remove(u"Webdask"_s);
        break;
    case Setup::MissingPageInReadOnlyFolder:
        folder.remove(kShipped);
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::UnusableDataFolder:
        folder.write(u"user-data"_s, "a file where the data folder should be");
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::RelativeDataFolder:
        dataFolder = u"user-data"_s;
        QVERIFY(QDir::setCurrent(folder.path()));
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::FolderWhereTheCopyBelongs:
        QVERIFY(QDir().mkpath(folder.filePath(kCopy)));
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::CopyAlreadyMade:
        QVERIFY(QDir().mkpath(folder.filePath(u"user-data/Webdask"_s)));
        folder.write(kCopy, copyContent);
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::ReadOnlyFolderAndPage:
        QVERIFY(QFile::setPermissions(folder.filePath(kShipped), kReadOnlyFile));
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    case Setup::ReadOnlyFolder:
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
        break;
    }

    const QString chosen = previewPagePath(folder.path(), dataFolder);
    QCOMPARE(chosen, folder.filePath(expected));
    if (copyContent.isEmpty()) {
        QVERIFY(!QFileInfo(folder.filePath(kCopy)).isFile());
        return;
    }
    QCOMPARE(folder.read(kCopy), copyContent);
    QVERIFY(QFile::permissions(chosen).testFlag(QFile::WriteOwner));
    QCOMPARE(QDir(folder.filePath(u"user-data/Webdask"_s)).entryList(QDir::Files | QDir::Hidden),
             QStringList {u"WebDask.html"_s});
}

// A program folder the user may not write: the page written from the Web Browser panel is the
// user's copy, which the browser shows too, and the shipped page stays as it was.
void TestPageLocation::writerAndBrowserUseTheCopy()
{
    const TestSupport::ProgramFolder folder;
    const QByteArray shipped = folder.read(kShipped);
    const QString webdask = folder.filePath(u"Webdask"_s);
    QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));
    const auto restore
        = qScopeGuard([&] { QFile::setPermissions(webdask, kReadOnlyFolder | QFile::WriteOwner); });

    const TestSupport::TestWindow window(folder.path());
    QVERIFY(window.loadAndShow());
    QCOMPARE(window->state().strWebPage, folder.filePath(kCopy));
    QTest::mouseClick(window->tlbFirst()->button(6), Qt::LeftButton);
    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(window->browserPanel()->cmdWriteWeb, Qt::LeftButton);

    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(window->browserPanel()->cmdRefresh->isEnabled());
    QVERIFY(folder.read(kCopy).startsWith("\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS"));
    QCOMPARE(folder.read(kShipped), shipped);
    BrowserHost *host = window->browserPanel()->brwVRN;
    QTRY_VERIFY(host->isActivated());
    const QLabel *label = host->findChild<QLabel *>();
    QVERIFY(label && label->text().contains(QDir::toNativeSeparators(folder.filePath(kCopy))));
}

QTEST_MAIN(TestPageLocation)
#include "tst_pagelocation.moc"
