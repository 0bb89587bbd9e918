#include "testsupport.h"

#include "preview/browserhost.h"
#include "preview/browserpanel.h"
#include "selectors/hexpanel.h"
#include "selectors/pantonepanel.h"
#include "selectors/qbpanel.h"
#include "selectors/rgbpanel.h"
#include "window/controls.h"
#include "window/paneltoolbar.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Tintora;
using TestSupport::child;

namespace {

const QString kPage = QStringLiteral("Webdask/WebDask.html");
constexpr int kBrowserButton = 6;
constexpr ColorValue kRed = 255;
constexpr ColorValue kGreen = 65280;
constexpr ColorValue kBlue = 16711680;

QByteArray pageFile(const QByteArray &body, const QByteArray &back, const QByteArray &fore)
{
    return "\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD><BODY BGCOLOR="
        + back + " FGCOLOR=" + fore + "><font color=" + fore + " size=2 name=Arial>" + body
        + "</font></body></HTML>\"\r\n";
}

const QByteArray kFooter = "Tintora Systems 2003 by Ilse Varga<br>email: support@tintora.example";

enum class FontAttribute { Bold, Italic, Underline };

bool hasAttribute(const QFont &font, FontAttribute attribute)
{
    switch (attribute) {
    case FontAttribute::Bold:
        return font.bold();
    case FontAttribute::Italic:
        return font.italic();
    case FontAttribute::Underline:
        return font.underline();
    }
    return false;
}

// A tiny file system mounted on a folder, so that the page's disk can be filled without touching
// the machine's; unmounted however the test ends.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &folder)
        : m_path(QFile::encodeName(folder))
    {
        if (::mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=12k") != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
        else
            m_mounted = true;
    }
    ~TmpfsMount()
    {
        if (m_mounted && ::umount(m_path.constData()) != 0)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString error() const { return m_error; }

private:
    QByteArray m_path;
    bool m_mounted = false;
    QString m_error;
};

// Writes until the file system refuses, so that no further block can be had.
bool fillDisk(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    return true;
}

bool setMode(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

enum class Fault { MissingFolder, ReadOnlyPage, FullDisk };
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(FontAttribute)

class TestBrowserPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void assignmentTakesColourBox_data();
    void assignmentTakesColourBox();
    void colourBoxBeforeAssignmentGivesBlack_data();
    void colourBoxBeforeAssignmentGivesBlack();
    void colourBoxAppliesAssignedColour_data();
    void colourBoxAppliesAssignedColour();
    void newColourOnCheckedBoxTakesTwoClicks_data();
    void newColourOnCheckedBoxTakesTwoClicks();
    void bothColourBoxesGiveOneColour();
    void styleBoxInvertsAttribute_data();
    void styleBoxInvertsAttribute();
    void styleBoxSetByProgramRunsOnce_data();
    void styleBoxSetByProgramRunsOnce();
    void colourBoxSetByProgramRunsOnce_data();
    void colourBoxSetByProgramRunsOnce();
    void writesPage_data();
    void writesPage();
    void reportsWriteFailure_data();
    void reportsWriteFailure();
    void fallbackViewLeavesPanelWorking();

private:
    MainWindow &window() const { return **m_window; }
    BrowserPanel &panel() const { return *window().browserPanel(); }
    FormState &state() const { return window().state(); }
    QString pagePath() const { return m_folder->filePath(kPage); }

    void openPanel();
    bool clickBox(QCheckBox *box);
    void typeSample(const QString &text);
    // Mixes a colour on the RGB bars, whose panel stays closed, and assigns it with "RGB Color".
    void assignThroughRgb(ColorValue color);

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
    std::unique_ptr<TmpfsMount> m_mount;
};

void TestBrowserPanel::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(window().Form_Load());
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    openPanel();
}

void TestBrowserPanel::cleanup()
{
    // The mount goes first: the program folder cannot be removed while a file system sits on it.
    m_mount.reset();
    m_window.reset();
    m_folder.reset();
}

void TestBrowserPanel::openPanel()
{
    QTest::mouseClick(window().tlbFirst()->button(kBrowserButton), Qt::LeftButton);
    QVERIFY(panel().isVisible());
}

bool TestBrowserPanel::clickBox(QCheckBox *box)
{
    // A click counts only on the indicator or the caption's text, not on the box's empty end.
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator
        = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    return box->isChecked() != before;
}

void TestBrowserPanel::typeSample(const QString &text)
{
    QLineEdit *sample = panel().txtWebSample;
    sample->setFocus();
    QTest::keyClick(sample, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(sample, Qt::Key_Backspace);
    // QTest types single-byte characters only; the others come as text, the way an input method
    // sends them.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            QTest::keyClick(sample, c.toLatin1());
        } else {
            const qsizetype length = c.isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, sample, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }
    QCOMPARE(sample->text(), text);
}

void TestBrowserPanel::assignThroughRgb(ColorValue color)
{
    RgbPanel *rgb = window().rgbPanel();
    rgb->hsRed->setValue(color & 0xFF);
    rgb->hsGreen->setValue((color >> 8) & 0xFF);
    rgb->hsBlue->setValue((color >> 16) & 0xFF);
    QCOMPARE(backColor(rgb->txtRGB), color);
    QTest::mouseClick(panel().cmdRGB, Qt::LeftButton);
    QCOMPARE(state().varWebColor, std::optional<ColorValue>(color));
}

void TestBrowserPanel::assignmentTakesColourBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("bar"); // empty: the box's colour is set directly
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("color");

    QTest::newRow("Pantone Color: entry 3, Red 032 C")
        << "cmdPantone"
        << "txtPantone"
        << "lblWebPantone"
        << "vsPantone" << 3 << colorValue(246, 50, 62);
    QTest::newRow("QB Color: light magenta") << "cmdQB"
                                             << "txtQB"
                                             << "lblWebQB"
                                             << "vsQB" << 13 << 16711935;
    QTest::newRow("RGB Color: red") << "cmdRGB"
                                    << "txtRGB"
                                    << "lblWebRGB"
                                    << "hsRed" << 255 << kRed;
    QTest::newRow("HTML Color: blue") << "cmdWebHtml"
                                      << "txtHex"
                                      << "lblWebHtml"
                                      << "hsHexBlue" << 255 << kBlue;
    QTest::newRow("Swatch Color") << "cmdSwatch"
                                  << "txtColor"
                                  << "lblWebSwatch"
                                  << "" << 1193046 << 1193046;
}

void TestBrowserPanel::assignmentTakesColourBox()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, chip);
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(int, color);

    QWidget *source = child<QWidget>(&window(), box);
    QWidget *chipLabel = child<QWidget>(&window(), chip);
    if (bar.isEmpty())
        setBackColor(source, value);
    else
        child<QScrollBar>(&window(), bar)->setValue(value);
    QCOMPARE(backColor(source), color);
    QVERIFY(!source->isVisible());
    QCOMPARE(backColor(chipLabel), kBlack);

    QLineEdit *sample = panel().txtWebSample;
    const ColorValue fore = foreColor(sample);
    const ColorValue back = backColor(sample);
    const QFont font = sample->font();
    const QString text = sample->text();

    QTest::mouseClick(child<QPushButton>(&panel(), button), Qt::LeftButton);

    QCOMPARE(backColor(chipLabel), color);
    QCOMPARE(state().varWebColor, std::optional<ColorValue>(color));
    QCOMPARE(foreColor(sample), fore);
    QCOMPARE(backColor(sample), back);
    QCOMPARE(sample->font(), font);
    QCOMPARE(sample->text(), text);
    // Only this button's chip changed.
    for (QLabel *other : {panel().lblWebPantone, panel().lblWebQB, panel().lblWebRGB,
                          panel().lblWebHtml, panel().lblWebSwatch}) {
        if (other != chipLabel)
            QCOMPARE(backColor(other), kBlack);
    }
}

void TestBrowserPanel::colourBoxBeforeAssignmentGivesBlack_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("textColor");
    QTest::newRow("Text Color") << "chkFG" << true;
    QTest::newRow("Back Color, white before") << "chkBG" << false;
}

void TestBrowserPanel::colourBoxBeforeAssignmentGivesBlack()
{
    QFETCH(QString, box);
    QFETCH(bool, textColor);
    QLineEdit *sample = panel().txtWebSample;
    QVERIFY(!state().varWebColor.has_value());

    QVERIFY(clickBox(child<QCheckBox>(&panel(), box)));

    QCOMPARE(state().varWebColor, std::optional<ColorValue>(kBlack));
    QCOMPARE(textColor ? foreColor(sample) : backColor(sample), kBlack);
    // The other colour stays as it was.
    QCOMPARE(textColor ? backColor(sample) : foreColor(sample), textColor ? kWhite : kBlack);
}

void TestBrowserPanel::colourBoxAppliesAssignedColour_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("textColor");
    QTest::newRow("Text Color") << "chkFG" << true;
    QTest::newRow("Back Color") << "chkBG" << false;
}

void TestBrowserPanel::colourBoxAppliesAssignedColour()
{
    QFETCH(QString, box);
    QFETCH(bool, textColor);
    QLineEdit *sample = panel().txtWebSample;

    assignThroughRgb(kRed);
    QCOMPARE(foreColor(sample), kBlack);
    QCOMPARE(backColor(sample), kWhite);

    QVERIFY(clickBox(child<QCheckBox>(&panel(), box)));
    QCOMPARE(foreColor(sample), textColor ? kRed : kBlack);
    QCOMPARE(backColor(sample), textColor ? kWhite : kRed);
}

void TestBrowserPanel::newColourOnCheckedBoxTakesTwoClicks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("textColor");
    QTest::addColumn<int>("defaultColor");
    QTest::newRow("Text Color") << "chkFG" << true << kBlack;
    QTest::newRow("Back Color") << "chkBG" << false << kWhite;
}

void TestBrowserPanel::newColourOnCheckedBoxTakesTwoClicks()
{
    QFETCH(QString, box);
    QFETCH(bool, textColor);
    QFETCH(int, defaultColor);
    QLineEdit *sample = panel().txtWebSample;
    auto *checkBox = child<QCheckBox>(&panel(), box);
    const auto applied = [&] {
        return textColor ? foreColor(sample) : backColor(sample);
    };

    assignThroughRgb(kRed);
    QVERIFY(clickBox(checkBox));
    QCOMPARE(applied(), kRed);

    assignThroughRgb(kGreen);
    QCOMPARE(applied(), kRed);
    QVERIFY(clickBox(checkBox));
    QCOMPARE(applied(), defaultColor);
    QVERIFY(clickBox(checkBox));
    QCOMPARE(applied(), kGreen);
}

void TestBrowserPanel::bothColourBoxesGiveOneColour()
{
    QLineEdit *sample = panel().txtWebSample;
    assignThroughRgb(1193046);
    QVERIFY(clickBox(panel().chkFG));
    QVERIFY(clickBox(panel().chkBG));
    QCOMPARE(foreColor(sample), 1193046);
    QCOMPARE(backColor(sample), 1193046);
}

void TestBrowserPanel::styleBoxInvertsAttribute_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<FontAttribute>("attribute");
    QTest::newRow("Bold") << "chkBold" << FontAttribute::Bold;
    QTest::newRow("Italics") << "chkItalics" << FontAttribute::Italic;
    QTest::newRow("Underline") << "chkUnderline" << FontAttribute::Underline;
}

void TestBrowserPanel::styleBoxInvertsAttribute()
{
    QFETCH(QString, box);
    QFETCH(FontAttribute, attribute);
    QLineEdit *sample = panel().txtWebSample;
    const QFont before = sample->font();
    auto *checkBox = child<QCheckBox>(&panel(), box);

    QVERIFY(clickBox(checkBox));
    for (FontAttribute each :
         {FontAttribute::Bold, FontAttribute::Italic, FontAttribute::Underline})
        QCOMPARE(hasAttribute(sample->font(), each), each == attribute);

    QVERIFY(clickBox(checkBox));
    QCOMPARE(sample->font(), before);
}

void TestBrowserPanel::styleBoxSetByProgramRunsOnce_data()
{
    styleBoxInvertsAttribute_data();
}

void TestBrowserPanel::styleBoxSetByProgramRunsOnce()
{
    QFETCH(QString, box);
    QFETCH(FontAttribute, attribute);
    QLineEdit *sample = panel().txtWebSample;
    auto *checkBox = child<QCheckBox>(&panel(), box);

    // The handling inverts the attribute, so running it twice, or not at all, shows.
    checkBox->setChecked(true);
    QVERIFY(hasAttribute(sample->font(), attribute));
    checkBox->setChecked(true);
    QVERIFY(hasAttribute(sample->font(), attribute));
    checkBox->setChecked(false);
    QVERIFY(!hasAttribute(sample->font(), attribute));
    checkBox->setChecked(false);
    QVERIFY(!hasAttribute(sample->font(), attribute));
}

void TestBrowserPanel::colourBoxSetByProgramRunsOnce_data()
{
    newColourOnCheckedBoxTakesTwoClicks_data();
}

void TestBrowserPanel::colourBoxSetByProgramRunsOnce()
{
    QFETCH(QString, box);
    QFETCH(bool, textColor);
    QFETCH(int, defaultColor);
    QLineEdit *sample = panel().txtWebSample;
    auto *checkBox = child<QCheckBox>(&panel(), box);
    const auto applied = [&] {
        return textColor ? foreColor(sample) : backColor(sample);
    };

    assignThroughRgb(kRed);
    checkBox->setChecked(true);
    QCOMPARE(applied(), kRed);
    // Run again, the handling would apply the newly assigned colour.
    assignThroughRgb(kGreen);
    checkBox->setChecked(true);
    QCOMPARE(applied(), kRed);
    checkBox->setChecked(false);
    QCOMPARE(applied(), defaultColor);
}

void TestBrowserPanel::writesPage_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("textColor"); // assigned and applied with "Text Color"; -1: unchecked
    QTest::addColumn<int>(
        "backColor"); // then assigned and applied with "Back Color"; -1: unchecked
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("Hi, bold")
        << "Hi" << -1 << -1 << true << false << false
        << QByteArray("\"<HTML><HEAD><TITLE>TINTORA CONVERSIONS WEBVIEWER 2003</TITLE></HEAD>"
                      "<BODY BGCOLOR=FFFFFF FGCOLOR=000000><font color=000000 size=2 name=Arial>"
                      "<b>Hi</b></font></body></HTML>\"\r\n");
    QTest::newRow("plain text, no tags")
        << "Hi" << -1 << -1 << false << false << false << pageFile("Hi", "FFFFFF", "000000");
    QTest::newRow("empty sample on white: footer in white")
        << "" << -1 << -1 << false << false << false << pageFile(kFooter, "FFFFFF", "FFFFFF");
    QTest::newRow("empty sample: footer in the back colour, not the red text colour")
        << "" << kRed << kBlue << false << false << false << pageFile(kFooter, "0000FF", "0000FF");
    QTest::newRow("empty sample with styles: footer inside the tags")
        << "" << -1 << -1 << true << true << true
        << pageFile("<b><U><I>" + kFooter + "</I></U></b>", "FFFFFF", "FFFFFF");
    QTest::newRow("all three styles: bold, underline, italics")
        << "Styled" << -1 << -1 << true << true << true
        << pageFile("<b><U><I>Styled</I></U></b>", "FFFFFF", "000000");
    QTest::newRow("italics only") << "x" << -1 << -1 << false << true << false
                                  << pageFile("<I>x</I>", "FFFFFF", "000000");
    QTest::newRow("underline only")
        << "x" << -1 << -1 << false << false << true << pageFile("<U>x</U>", "FFFFFF", "000000");
    QTest::newRow("red text") << "Red" << kRed << -1 << false << false << false
                              << pageFile("Red", "FFFFFF", "FF0000");
    QTest::newRow("black text on blue")
        << "Blue" << -1 << kBlue << false << false << false << pageFile("Blue", "0000FF", "000000");
    QTest::newRow("red text on blue") << "Both" << kRed << kBlue << false << false << false
                                      << pageFile("Both", "0000FF", "FF0000");
    QTest::newRow("HTML Numbers list red first") << "Mixed" << 1193046 << 8421504 << false << false
                                                 << false << pageFile("Mixed", "808080", "563412");
    QTest::newRow("markup and quotes escaped")
        << "<b>\"Tom\" & 'Jerry'</b>" << -1 << -1 << false << false << false
        << pageFile("&lt;b&gt;&quot;Tom&quot; &amp; 'Jerry'&lt;/b&gt;", "FFFFFF", "000000");
    QTest::newRow("non-ASCII as character references")
        << QStringLiteral("Gr\u00FCn \u20AC \U0001D11E") << -1 << -1 << false << false << false
        << pageFile("Gr&#252;n &#8364; &#119070;", "FFFFFF", "000000");
}

void TestBrowserPanel::writesPage()
{
    QFETCH(QString, sample);
    QFETCH(int, textColor);
    QFETCH(int, backColor);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QByteArray, file);

    typeSample(sample);
    if (textColor >= 0) {
        assignThroughRgb(textColor);
        QVERIFY(clickBox(panel().chkFG));
    }
    if (backColor >= 0) {
        assignThroughRgb(backColor);
        QVERIFY(clickBox(panel().chkBG));
    }
    if (bold)
        QVERIFY(clickBox(panel().chkBold));
    if (italic)
        QVERIFY(clickBox(panel().chkItalics));
    if (underline)
        QVERIFY(clickBox(panel().chkUnderline));

    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);

    QCOMPARE(m_folder->read(kPage), file);
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(panel().cmdRefresh->isEnabled());
    // The writer leaves its last conversion, the back colour's, behind.
    QCOMPARE(state().varDecimal, backColor >= 0 ? backColor : kWhite);
}

void TestBrowserPanel::reportsWriteFailure_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("errorNumber");
    QTest::newRow("Webdask folder removed: path not found") << Fault::MissingFolder << "76";
    QTest::newRow("read-only page, though root could write it") << Fault::ReadOnlyPage << "70";
    QTest::newRow("full disk") << Fault::FullDisk << "61";
}

void TestBrowserPanel::reportsWriteFailure()
{
    QFETCH(Fault, fault);
    QFETCH(QString, errorNumber);
    const QString folder = m_folder->filePath(QStringLiteral("Webdask"));
    const QByteArray oldPage = m_folder->read(kPage);
    QVERIFY(!oldPage.isEmpty());

    switch (fault) {
    case Fault::MissingFolder:
        m_folder->remove(QStringLiteral("Webdask"));
        QVERIFY(!QFileInfo::exists(folder));
        break;
    case Fault::ReadOnlyPage:
        QVERIFY(setMode(pagePath(), 0444));
        break;
    case Fault::FullDisk:
        m_mount = std::make_unique<TmpfsMount>(folder);
        if (!m_mount->isMounted())
            QSKIP(qPrintable(QStringLiteral("Cannot mount a small tmpfs on the Webdask folder "
                                            "(needs root and mount rights): ")
                             + m_mount->error()));
        m_folder->write(kPage, oldPage);
        QVERIFY(fillDisk(folder));
        break;
    }
    QVERIFY(panel().cmdRefresh->isEnabled());

    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);

    QCOMPARE(watcher.messages().size(), 1);
    const TestSupport::MessageBoxWatcher::Message &message = watcher.messages().first();
    QCOMPARE(message.title, QStringLiteral("Tintora Conversions"));
    QCOMPARE(message.text, errorNumber);
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!panel().cmdRefresh->isEnabled());
    if (fault == Fault::MissingFolder)
        QVERIFY(!QFileInfo::exists(folder));
    else
        QCOMPARE(m_folder->read(kPage), oldPage);

    switch (fault) {
    case Fault::MissingFolder:
        QVERIFY(QDir().mkdir(folder));
        break;
    case Fault::ReadOnlyPage:
        QVERIFY(setMode(pagePath(), 0644));
        break;
    case Fault::FullDisk:
        m_folder->remove(QStringLiteral("Webdask/filler"));
        break;
    }
    watcher.clear();
    QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(panel().cmdRefresh->isEnabled());
    QCOMPARE(m_folder->read(kPage), pageFile("Text Sample", "FFFFFF", "000000"));
}

void TestBrowserPanel::fallbackViewLeavesPanelWorking()
{
    BrowserHost *host = panel().brwVRN;
    QVERIFY(host->isActivated());
    QVERIFY(!host->browser());
    const QList<QLabel *> labels = host->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 1);
    QVERIFY(labels.first()->isVisible());
    QVERIFY(labels.first()->text().startsWith(
        QStringLiteral("No web browser is available on this computer.")));
    QVERIFY(labels.first()->text().contains(QDir::toNativeSeparators(state().strWebPage)));

    // Assignment, colour boxes and the page writer do without the browser.
    assignThroughRgb(kRed);
    QVERIFY(clickBox(panel().chkFG));
    QVERIFY(clickBox(panel().chkItalics));
    TestSupport::MessageBoxWatcher watcher;
    QTest::mouseClick(panel().cmdWriteWeb, Qt::LeftButton);
    QCOMPARE(m_folder->read(kPage), pageFile("<I>Text Sample</I>", "FFFFFF", "FF0000"));
    QVERIFY(panel().cmdRefresh->isEnabled());
    QTest::mouseClick(panel().cmdRefresh, Qt::LeftButton);
    QVERIFY(panel().cmdRefresh->isEnabled());
    QVERIFY(watcher.messages().isEmpty());
    QVERIFY(labels.first()->isVisible());
}

QTEST_MAIN(TestBrowserPanel)
#include "tst_browserpanel.moc"
