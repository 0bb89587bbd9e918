#include "testsupport.h"

#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

namespace {

// What the sample shows: its colours, then bold, italic and underline.
QString look(const QLineEdit *sample)
{
    const QFont font = sample->font();
    return QString::asprintf("fore %d back %d style %d%d%d", foreColor(sample), backColor(sample),
                             font.bold(), font.italic(), font.underline());
}

} // namespace

class TestBrowserPanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestSupport::ProgramFolder>();
        m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
        QVERIFY(m_window->loadAndShow());
        QTest::mouseClick((*m_window)->tlbFirst()->button(6), Qt::LeftButton);
    }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void assignmentButtonTakesItsColourBox_data();
    void assignmentButtonTakesItsColourBox();
    void checkBoxesStyleTheSample();
    void writesPageOrReportsFailure();

private:
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return child<T>(m_window->window.get(), name);
    }
    // Clicks a box on its indicator: a click on the box's empty end does not count.
    void click(const QString &box) const
    {
        QTest::mouseClick(find(box), Qt::LeftButton, {}, QPoint(5, find(box)->height() / 2));
    }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestBrowserPanel::assignmentButtonTakesItsColourBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("chip");
    QTest::newRow("Pantone Color") << u"cmdPantone"_s << u"txtPantone"_s << u"lblWebPantone"_s;
    QTest::newRow("QB Color") << u"cmdQB"_s << u"txtQB"_s << u"lblWebQB"_s;
    QTest::newRow("RGB Color") << u"cmdRGB"_s << u"txtRGB"_s << u"lblWebRGB"_s;
    QTest::newRow("HTML Color") << u"cmdWebHtml"_s << u"txtHex"_s << u"lblWebHtml"_s;
    QTest::newRow("Swatch Color") << u"cmdSwatch"_s << u"txtColor"_s << u"lblWebSwatch"_s;
}

// The button copies its selector's colour into its chip and into the sample's text colour once
// "Text Color" is ticked; the sample itself does not change on the click.
void TestBrowserPanel::assignmentButtonTakesItsColourBox()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, chip);
    setBackColor(find(box), 1193046);
    const QString before = look(find<QLineEdit>(u"txtWebSample"_s));
    QTest::mouseClick(find(button), Qt::LeftButton);
    QCOMPARE(backColor(find(chip)), 1193046);
    QCOMPARE(look(find<QLineEdit>(u"txtWebSample"_s)), before);
    click(u"chkFG"_s);
    QCOMPARE(foreColor(find(u"txtWebSample"_s)), 1193046);
}

void TestBrowserPanel::checkBoxesStyleTheSample()
{
    auto *sample = find<QLineEdit>(u"txtWebSample"_s);
    // Before any assignment the colour boxes apply black.
    click(u"chkBG"_s);
    QCOMPARE(look(sample), u"fore 0 back 0 style 000"_s);
    click(u"chkBG"_s);
    setBackColor(find(u"txtRGB"_s), 255);
    QTest::mouseClick(find(u"cmdRGB"_s), Qt::LeftButton);
    for (const QString &box : {u"chkFG"_s, u"chkBG"_s, u"chkBold"_s, u"chkItalics"_s})
        click(box);
    QCOMPARE(look(sample), u"fore 255 back 255 style 110"_s);
    // Bold twice is plain again; unticking the colours gives black on white.
    for (const QString &box : {u"chkFG"_s, u"chkBG"_s, u"chkBold"_s, u"chkUnderline"_s})
        click(box);
    QCOMPARE(look(sample), u"fore 0 back 16777215 style 011"_s);
}

// A failed write says its number without an icon, keeps the old page and leaves Refresh off
// until a write succeeds; the page is written with the sample's colours as HTML Numbers.
void TestBrowserPanel::writesPageOrReportsFailure()
{
    const QString page = u"Webdask/WebDask.html"_s;
    const QByteArray oldPage = m_folder->read(page);
    setBackColor(find(u"txtHex"_s), 1193046);
    QTest::mouseClick(find(u"cmdWebHtml"_s), Qt::LeftButton);
    click(u"chkFG"_s);
    click(u"chkBold"_s);
    QVERIFY(QFile::setPermissions(m_folder->filePath(page), QFile::ReadOwner));

    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(find(u"cmdWriteWeb"_s), Qt::LeftButton);
    QCOMPARE(watcher.messages().size(), 1);
    QCOMPARE(watcher.messages().first().title, u"Tintora Conversions"_s);
    QCOMPARE(watcher.messages().first().text, u"70"_s);
    QCOMPARE(watcher.messages().first().icon, QMessageBox::NoIcon);
    QVERIFY(!find(u"cmdRefresh"_s)->isEnabled());
    QCOMPARE(m_folder->read(page), oldPage);

    QVERIFY(QFile::setPermissions(m_folder->filePath(page), QFile::ReadOwner | QFile::WriteOwner));
    watcher.clear();
    QTest::mouseClick(find(u"cmdWriteWeb"_s), Qt::LeftButton);
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(find(u"cmdRefresh"_s)->isEnabled());
    QCOMPARE(m_folder->read(page),
             "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
             "BGCOLOR=FFFFFF FGCOLOR=563412><font color=563412 size=2 name=Arial><b>Text "
             "Sample</b></font></body></HTML>\"\r\n"_ba);
}

QTEST_MAIN(TestBrowserPanel)
#include "tst_browserpanel.moc"
