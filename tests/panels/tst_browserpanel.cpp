#include "testsupport.h"

#include "core/pagefile.h"
#include "panels/browserpanel.h"
#include "widgets/browserhost.h"
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

const QString kPage = u"Webdask/WebDask.html"_s;
constexpr ColorValue kRed = 255;
constexpr ColorValue kGreen = 65280;
constexpr ColorValue kBlue = 16711680;

// What the sample shows: its colours, then bold, italic and underline.
QString look(const QLineEdit *sample)
{
    const QFont font = sample->font();
    return QString::asprintf("fore %d back %d style %d%d%d", foreColor(sample), backColor(sample),
                             font.bold(), font.italic(), font.underline());
}

// Clicks a box on its indicator, as a click on the box's empty end does not count.
bool clickBox(QCheckBox *box)
{
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    return box->isChecked() != before;
}

} // namespace

class TestBrowserPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void assignmentButton_data();
    void assignmentButton();
    void checkBox_data();
    void checkBox();
    void colourBoxTakesAssignedColour_data();
    void colourBoxTakesAssignedColour();
    void writesPage_data();
    void writesPage();
    void fallbackView();

private:
    MainWindow &window() const { return **m_window; }
    BrowserPanel &panel() const { return *window().browserPanel(); }
    QLineEdit *sample() const { return panel().txtWebSample; }
    // Gives the RGB panel's box, whose panel stays closed, a colour and assigns it.
    void assign(ColorValue color)
    {
        setBackColor(child<QWidget>(&window(), u"txtRGB"_s), color);
        QTest::mouseClick(panel().cmdRGB, Qt::LeftButton);
    }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
    std::unique_ptr<TestSupport::TinyDisk> m_disk;
};

void TestBrowserPanel::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(m_window->loadAndShow());
    QTest::mouseClick(window().tlbFirst()->button(6), Qt::LeftButton);
}

void TestBrowserPanel::cleanup()
{
    // The disk goes first: the program folder cannot be removed while a file system sits on it.
    m_disk.reset();
    m_window.reset();
    m_folder.reset();
}

void TestBrowserPanel::assignmentButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box"); // where the button takes its colour
    QTest::addColumn<QString>("chip");
    QTest::newRow("Pantone Color") << u"cmdPantone"_s << u"txtPantone"_s << u"lblWebPantone"_s;
    QTest::newRow("QB Color") << u"cmdQB"_s << u"txtQB"_s << u"lblWebQB"_s;
    QTest::newRow("RGB Color") << u"cmdRGB"_s << u"txtRGB"_s << u"lblWebRGB"_s;
    QTest::newRow("HTML Color") << u"cmdWebHtml"_s << u"txtHex"_s << u"lblWebHtml"_s;
    QTest::newRow("Swatch Color") << u"cmdSwatch"_s << u"txtColor"_s << u"lblWebSwatch"_s;
}

void TestBrowserPanel::assignmentButton()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, chip);
    setBackColor(child<QWidget>(&window(), box), 1193046);
    QCOMPARE(backColor(child<QWidget>(&panel(), chip)), kBlack);
    const QString before = look(sample()) + sample()->text();

    QTest::mouseClick(child<QPushButton>(&panel(), button), Qt::LeftButton);

    QCOMPARE(backColor(child<QWidget>(&panel(), chip)), 1193046);
    QCOMPARE(window().state().varWebColor, std::optional<ColorValue>(1193046));
    QCOMPARE(look(sample()) + sample()->text(), before);
}

void TestBrowserPanel::checkBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("checked"); // the sample's look when checked with red assigned
    QTest::newRow("Text Color") << u"chkFG"_s << u"fore 255 back 16777215 style 000"_s;
    QTest::newRow("Back Color") << u"chkBG"_s << u"fore 0 back 255 style 000"_s;
    QTest::newRow("Bold") << u"chkBold"_s << u"fore 0 back 16777215 style 100"_s;
    QTest::newRow("Italics") << u"chkItalics"_s << u"fore 0 back 16777215 style 010"_s;
    QTest::newRow("Underline") << u"chkUnderline"_s << u"fore 0 back 16777215 style 001"_s;
}

void TestBrowserPanel::checkBox()
{
    QFETCH(QString, box);
    QFETCH(QString, checked);
    auto *checkBox = child<QCheckBox>(&panel(), box);
    const QString before = look(sample());
    assign(kRed);

    // Clicked on, then off again.
    QVERIFY(clickBox(checkBox));
    QCOMPARE(look(sample()), checked);
    QVERIFY(clickBox(checkBox));
    QCOMPARE(look(sample()), before);

    // Set by the program, the handling runs once: run again, a colour box's would apply the newly
    // assigned colour and a style box's would invert the attribute back.
    checkBox->setChecked(true);
    QCOMPARE(look(sample()), checked);
    assign(kGreen);
    checkBox->setChecked(true);
    QCOMPARE(look(sample()), checked);
    checkBox->setChecked(false);
    QCOMPARE(look(sample()), before);
}

void TestBrowserPanel::colourBoxTakesAssignedColour_data()
{
    QTest::addColumn<bool>("textColor");
    QTest::newRow("Text Color") << true;
    QTest::newRow("Back Color") << false;
}

void TestBrowserPanel::colourBoxTakesAssignedColour()
{
    QFETCH(bool, textColor);
    QCheckBox *box = textColor ? panel().chkFG : panel().chkBG;
    const auto applied = [&] {
        return textColor ? foreColor(sample()) : backColor(sample());
    };

    // Before any assignment: black, which becomes the assigned colour.
    QVERIFY(clickBox(box));
    QCOMPARE(applied(), kBlack);
    QCOMPARE(window().state().varWebColor, std::optional<ColorValue>(kBlack));

    // A colour assigned while the box is checked takes two clicks: off, then on.
    assign(kGreen);
    QCOMPARE(applied(), kBlack);
    QVERIFY(clickBox(box));
    QCOMPARE(applied(), textColor ? kBlack : kWhite);
    QVERIFY(clickBox(box));
    QCOMPARE(applied(), kGreen);

    // Both boxes checked: text and back in the one colour.
    QVERIFY(clickBox(textColor ? panel().chkBG : panel().chkFG));
    QCOMPARE(look(sample()), u"fore 65280 back 65280 style 000"_s);
}

void TestBrowserPanel::writesPage_data()
{
    QTest::addColumn<int>("errorNumber"); // of the first write; the second one succeeds
    QTest::newRow("written") << int(NoFileError);
    QTest::newRow("Webdask folder removed: path not found") << int(PathNotFound);
    QTest::newRow("read-only page, though root could write it") << int(PermissionDenied);
    QTest::newRow("full disk") << int(DiskFull);
}

void TestBrowserPanel::writesPage()
{
    QFETCH(int, errorNumber);
    const QString folder = m_folder->filePath(u"Webdask"_s);
    const QString page = m_folder->filePath(kPage);
    const QByteArray oldPage = m_folder->read(kPage);
    assign(1193046);
    QVERIFY(clickBox(panel().chkFG));
    assign(kBlue);
    QVERIFY(clickBox(panel().chkBG));
    QVERIFY(clickBox(panel().chkBold));

    if (errorNumber == PathNotFound) {
        m_folder->remove(u"Webdask"_s);
    } else if (errorNumber == PermissionDenied) {
        QVERIFY(
            QFile::setPermissions(page, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (errorNumber == DiskFull) {
        m_disk = std::make_unique<TestSupport::TinyDisk>(folder);
        if (!m_disk->isMounted())
            QSKIP(qPrintable(u"Cannot mount a tiny disk (needs root): "_s + m_disk->error()));
        m_folder->write(kPage, oldPage);
        QVERIFY(m_disk->fill());
    }
    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);

    if (errorNumber != NoFileError) {
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.messages().first().title, u"Tintora Conversions"_s);
        QCOMPARE(watcher.messages().first().text, QString::number(errorNumber));
        QCOMPARE(watcher.messages().first().icon, QMessageBox::NoIcon);
        QVERIFY(!panel().cmdRefresh->isEnabled());
        QCOMPARE(m_folder->read(kPage), errorNumber == PathNotFound ? QByteArray() : oldPage);

        // The fault cleared, the next write succeeds.
        m_disk.reset();
        QDir().mkpath(folder);
        QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
        watcher.clear();
        QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);
    }
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(panel().cmdRefresh->isEnabled());
    // HTML Numbers list red first.
    QCOMPARE(m_folder->read(kPage),
             "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY "
             "BGCOLOR=0000FF FGCOLOR=563412><font color=563412 size=2 name=Arial><b>Text "
             "Sample</b></font></body></HTML>\"\r\n"_ba);
}

void TestBrowserPanel::fallbackView()
{
    BrowserHost *host = panel().brwVRN;
    QTRY_VERIFY(host->isActivated());
    QVERIFY(!host->browser());
    const QLabel *label = host->findChild<QLabel *>();
    QVERIFY(label && label->isVisible());
    QVERIFY(label->text().startsWith(u"No web browser is available on this computer."_s));
    QVERIFY(label->text().contains(QDir::toNativeSeparators(window().state().strWebPage)));
}

QTEST_MAIN(TestBrowserPanel)
#include "tst_browserpanel.moc"
