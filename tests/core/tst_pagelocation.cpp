#include "testsupport.h"

#include "core/programfolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

namespace {

const QString kShipped = u"Webdask/WebDask.html"_s;
const QString kCopy = u"user-data/Webdask/WebDask.html"_s;
constexpr auto kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// What stands where the user's data folder or its copy of the page would go.
enum class Data { Nothing, Relative, CopyMadeEarlier };

} // namespace

// Which preview page the program shows and rewrites. Read-only means by the permission bits,
// which root honours here as the page writer does.
class TestPageLocation : public QObject
{
    Q_OBJECT

private slots:
    void chosenPage_data();
    void chosenPage();
};

void TestPageLocation::chosenPage_data()
{
    QTest::addColumn<bool>("readOnlyPage");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<Data>("data");
    QTest::addColumn<QString>("expected"); // relative to the program folder
    QTest::addColumn<QByteArray>("copy"); // what the user's copy holds afterwards; null: none

    const QByteArray shipped = TestSupport::ProgramFolder().read(kShipped);
    QTest::newRow("writable program folder: the shipped page")
        << false << false << Data::Nothing << kShipped << QByteArray();
    QTest::newRow("regression: a read-only shipped page gave a read-only copy")
        << true << true << Data::Nothing << kCopy << shipped;
    QTest::newRow("relative data folder: the shipped page, nothing made in the working folder")
        << false << true << Data::Relative << kShipped << QByteArray();
    QTest::newRow("copy made earlier: kept as the user left it")
        << false << true << Data::CopyMadeEarlier << kCopy << QByteArray("the user's last page");
}

void TestPageLocation::chosenPage()
{
    QFETCH(bool, readOnlyPage);
    QFETCH(bool, readOnlyFolder);
    QFETCH(Data, data);
    QFETCH(QString, expected);
    QFETCH(QByteArray, copy);
    const TestSupport::ProgramFolder folder;
    const QString webdask = folder.filePath(u"Webdask"_s);
    QString dataFolder = folder.filePath(u"user-data"_s);
    const QString workingFolder = QDir::currentPath();
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(workingFolder);
        QFile::setPermissions(webdask, kReadOnlyFolder | QFile::WriteOwner);
    });

    if (readOnlyPage)
        QVERIFY(QFile::setPermissions(folder.filePath(kShipped), QFile::ReadOwner));
    if (data == Data::Relative) {
        dataFolder = u"user-data"_s;
        QVERIFY(QDir::setCurrent(folder.path()));
    }
    if (data == Data::CopyMadeEarlier) {
        QVERIFY(QDir().mkpath(folder.filePath(u"user-data/Webdask"_s)));
        folder.write(kCopy, copy);
    }
    if (readOnlyFolder)
        QVERIFY(QFile::setPermissions(webdask, kReadOnlyFolder));

    const QString chosen = previewPagePath(folder.path(), dataFolder);
    QCOMPARE(chosen, folder.filePath(expected));
    if (copy.isNull()) {
        QVERIFY(!QFileInfo(folder.filePath(kCopy)).isFile());
        return;
    }
    QCOMPARE(folder.read(kCopy), copy);
    QVERIFY(QFile::permissions(chosen).testFlag(QFile::WriteOwner));
    QCOMPARE(QDir(folder.filePath(u"user-data/Webdask"_s)).entryList(QDir::Files | QDir::Hidden),
             QStringList {u"WebDask.html"_s});
}

QTEST_MAIN(TestPageLocation)
#include "tst_pagelocation.moc"
