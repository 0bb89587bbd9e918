#include "testsupport.h"

#include "panels/browserpanel.h"
#include "panels/helppanel.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using TestSupport::child;

namespace {

const char *const kPanels[] = {"fraQBcolors", "fraPantone", "fraRGB",     "fraHtml",
                               "fraSwatches", "FraBrowser", "fraTextHelp"};
const char *const kBadges[] = {"qb", "pantone", "rgb", "hex", "swatches", "browser", "help"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frame();
    void controlGeometry_data();
    void controlGeometry();
    void captionsAndFonts_data();
    void captionsAndFonts();
    void decimalLabelsWrap();
    void closedState();
    void openAndClosePanel_data();
    void openAndClosePanel();
    void lockedButtonsShowGreyPictures();
    void browserPanelRefreshesChips();
    void helpPanelSetsTitleEachTime();

private:
    void clickButton(int index);
    QToolButton *button(int index) const { return (*m_window)->tlbFirst()->button(index); }
    QWidget *panel(int index) const
    {
        return child<QWidget>(m_window->window.get(), QLatin1String(kPanels[index - 1]));
    }
    int clientHeight() const { return (*m_window)->centralWidget()->height(); }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<TestSupport::ProgramFolder>();
    m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
    QVERIFY(m_window->loadAndShow());
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestMainWindow::clickButton(int index)
{
    QTest::mouseClick(button(index), Qt::LeftButton);
}

void TestMainWindow::frame()
{
    MainWindow &window = **m_window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tintora Systems Management"));
    QCOMPARE(window.windowIcon().availableSizes().value(0), QSize(32, 32));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.centralWidget()->width(), pixels(6045));

    const QList<QAction *> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first()->text(), QStringLiteral("&File"));
    const QList<QAction *> items = menus.first()->menu()->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0)->objectName(), QStringLiteral("mnuFileReset"));
    QCOMPARE(items.at(0)->text(), QStringLiteral("&Reset"));
    QVERIFY(items.at(1)->isSeparator());
    QCOMPARE(items.at(2)->objectName(), QStringLiteral("mnuFileExit"));
    QCOMPARE(items.at(2)->text(), QStringLiteral("E&xit"));

    const auto *toolbar = child<QWidget>(&window, QStringLiteral("tlbFirst"));
    QCOMPARE(toolbar->geometry(), twipsRect(0, 0, 6045, 465));
    const auto *banner = child<QLabel>(&window, QStringLiteral("Image1"));
    QCOMPARE(banner->geometry(), twipsRect(120, 480, 5895, 495));
    QCOMPARE(banner->pixmap().size(), QSize(311, 42));
    QVERIFY(banner->hasScaledContents());
    QCOMPARE(window.tlbFirst()->buttonCount(), 7);
    for (int index = 1; index <= 7; ++index) {
        QVERIFY(button(index)->isCheckable());
        QCOMPARE(button(index)->size(), QSize(57, 27));
    }
}

void TestMainWindow::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const struct
    {
        const char *name;
        int left, top, width, height;
    } controls[] = {
        {"vsQB", 120, 240, 735, 1335},
        {"txtQB", 960, 240, 1335, 1335},
        {"Label3", 2640, 360, 1095, 255},
        {"txtQBnum", 3960, 240, 495, 375},
        {"txtRGBqb", 3960, 720, 1695, 405},
        {"txtHTMLqb", 3960, 1200, 1695, 375},
        {"vsPantone", 120, 360, 735, 1215},
        {"txtPantone", 960, 240, 1335, 1365},
        {"lblNum", 2400, 360, 1455, 255},
        {"txtPantoneNum", 3960, 240, 1095, 405},
        {"txtRgbPantone", 3960, 720, 1695, 375},
        {"txtHtmlPantone", 3960, 1200, 1695, 375},
        {"lblRed", 480, 240, 495, 255},
        {"hsRed", 240, 480, 975, 255},
        {"lblGreen", 240, 840, 855, 255},
        {"hsGreen", 240, 1080, 975, 255},
        {"lblBlue", 480, 1440, 615, 255},
        {"hsBlue", 240, 1680, 975, 255},
        {"txtRGB", 1440, 240, 855, 1695},
        {"txtRGBnum", 3600, 240, 2055, 375},
        {"txtHTML", 3840, 840, 1815, 375},
        {"Label10", 2520, 1440, 615, 375},
        {"txtDecimal", 3600, 1440, 2055, 375},
        {"Label9", 360, 240, 735, 255},
        {"hsHexRed", 240, 480, 975, 255},
        {"hsHexGreen", 240, 1080, 975, 255},
        {"hsHexBlue", 240, 1680, 975, 255},
        {"txtHex", 1440, 240, 975, 1695},
        {"txtHexNum", 3960, 360, 1695, 375},
        {"txtHexRGB", 3960, 960, 1695, 375},
        {"txtHexDex", 3960, 1560, 1695, 375},
        {"picTintora", 120, 240, 2415, 1695},
        {"picBwBox", 120, 2040, 2415, 1455},
        {"Label13", 2640, 240, 735, 375},
        {"txtColorDecimal", 3600, 240, 2055, 375},
        {"txtColorHtml", 3840, 960, 1815, 405},
        {"txtColorRgb", 3840, 1560, 1815, 375},
        {"txtColor", 2760, 2040, 2895, 1455},
        {"cmdPantone", 120, 240, 1215, 375},
        {"lblWebPantone", 1560, 360, 255, 135},
        {"cmdQB", 120, 600, 1215, 375},
        {"lblWebQB", 1560, 720, 255, 135},
        {"cmdSwatch", 120, 960, 1215, 375},
        {"lblWebSwatch", 1560, 1080, 255, 135},
        {"cmdRGB", 2160, 480, 1335, 375},
        {"lblWebRGB", 3720, 600, 255, 135},
        {"cmdWebHtml", 2160, 840, 1335, 375},
        {"lblWebHtml", 3720, 960, 255, 135},
        {"chkFG", 4440, 240, 1215, 255},
        {"chkUnderline", 4440, 1320, 1215, 255},
        {"txtWebSample", 120, 1680, 5535, 765},
        {"cmdWriteWeb", 360, 2640, 3135, 375},
        {"cmdRefresh", 3600, 2640, 1695, 375},
        {"Label18", 1200, 3240, 2895, 255},
        {"brwVRN", 120, 3600, 5535, 1335},
        {"lblHelpTitle", 120, 120, 5535, 735},
        {"optHelp0", 120, 960, 1335, 255},
        {"optHelp7", 120, 3480, 1335, 255},
        {"Label19", 1560, 960, 4095, 2775},
        {"txtHelpOutput", 1680, 1080, 3855, 2535},
    };
    for (const auto &c : controls)
        QTest::newRow(c.name) << QString::fromLatin1(c.name)
                              << QRect(c.left, c.top, c.width, c.height);
}

void TestMainWindow::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QWidget *control = child<QWidget>(m_window->window.get(), name);
    QCOMPARE(control->geometry(),
             twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

void TestMainWindow::captionsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("textColor"); // -1: the default
    QTest::newRow("lblRed") << "lblRed"
                            << "RED" << true << colorValue(255, 0, 0);
    QTest::newRow("RGB green is brighter") << "lblGreen"
                                           << "GREEN" << true << colorValue(0, 192, 0);
    QTest::newRow("HTML green is darker") << "Label12"
                                          << "GREEN" << true << colorValue(0, 128, 0);
    QTest::newRow("Label14") << "Label14"
                             << "BLUE" << true << colorValue(0, 0, 192);
    QTest::newRow("Label3") << "Label3"
                            << "QB Number" << true << -1;
    QTest::newRow("Label4") << "Label4"
                            << "RGB Number" << false << -1;
    QTest::newRow("lblNum") << "lblNum"
                            << "Pantone Number" << true << -1;
    QTest::newRow("Label15") << "Label15"
                             << "HTML Number" << true << -1;
    QTest::newRow("Label17") << "Label17"
                             << "Decimal Number" << false << -1;
    QTest::newRow("Label13") << "Label13"
                             << "Decimal Number" << true << -1;
    QTest::newRow("Label18") << "Label18"
                             << "Browser is only linked to Webdask.html" << false << -1;
}

void TestMainWindow::captionsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    QFETCH(int, textColor);
    const auto *label = child<QLabel>(m_window->window.get(), name);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().bold(), bold);
    if (textColor >= 0)
        QCOMPARE(foreColor(label), textColor);
}

void TestMainWindow::decimalLabelsWrap()
{
    for (const char *name : {"Label10", "Label13"}) {
        const auto *label = child<QLabel>(m_window->window.get(), QLatin1String(name));
        QVERIFY2(label->wordWrap(), name);
        // Too narrow for one line, tall enough for two.
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) > label->width(), name);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height() + 2, name);
    }
}

void TestMainWindow::closedState()
{
    QCOMPARE(clientHeight(), pixels(1695 - 690));
    for (int index = 1; index <= 7; ++index) {
        QVERIFY(!panel(index)->isVisible());
        QVERIFY(button(index)->isEnabled());
        QVERIFY(!button(index)->isChecked());
    }
    QVERIFY(child<QAction>(m_window->window.get(), QStringLiteral("mnuFileReset"))->isEnabled());
    // The closed window shows the whole banner.
    const QWidget *banner = child<QWidget>(m_window->window.get(), QStringLiteral("Image1"));
    QVERIFY(banner->geometry().bottom() < clientHeight());
}

void TestMainWindow::openAndClosePanel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("openHeight");
    QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
    QTest::newRow("QB Colors") << 1 << 1755 << "vsQB";
    QTest::newRow("Pantone") << 2 << 1755 << "vsPantone";
    QTest::newRow("RGB") << 3 << 2115 << "hsRed";
    QTest::newRow("Hex") << 4 << 2115 << "hsHexRed";
    QTest::newRow("Swatches") << 5 << 3615 << "picTintora";
    QTest::newRow("Web Browser, less than its design height") << 6 << 5175 << "";
    QTest::newRow("Help") << 7 << 3855 << "";
}

void TestMainWindow::openAndClosePanel()
{
    QFETCH(int, index);
    QFETCH(int, openHeight);
    QFETCH(QString, focus);
    MainWindow &window = **m_window;
    auto *reset = child<QAction>(&window, QStringLiteral("mnuFileReset"));
    // Put the focus somewhere no panel would move it to.
    QWidget *before = child<QWidget>(&window, QStringLiteral("txtWebSample"));
    before->setFocus();

    clickButton(index);
    QVERIFY(button(index)->isChecked());
    QVERIFY(panel(index)->isVisible());
    QCOMPARE(panel(index)->height(), pixels(openHeight));
    QCOMPARE(clientHeight(), pixels(openHeight + 2000 - 690));
    QVERIFY(panel(index)->geometry().bottom() < clientHeight());
    for (int other = 1; other <= 7; ++other) {
        QCOMPARE(button(other)->isEnabled(), other == index);
        if (other != index)
            QVERIFY(!panel(other)->isVisible());
    }
    QVERIFY(!reset->isEnabled());
    QCOMPARE(QApplication::focusWidget(),
             focus.isEmpty() ? before : child<QWidget>(&window, focus));

    clickButton(index);
    QVERIFY(!button(index)->isChecked());
    QVERIFY(!panel(index)->isVisible());
    QCOMPARE(panel(index)->height(), 0);
    QCOMPARE(clientHeight(), pixels(1695 - 690));
    for (int other = 1; other <= 7; ++other)
        QVERIFY(button(other)->isEnabled());
    QVERIFY(reset->isEnabled());
}

void TestMainWindow::lockedButtonsShowGreyPictures()
{
    clickButton(3);
    for (int index = 1; index <= 7; ++index) {
        const QString name = QLatin1String(kBadges[index - 1]);
        const QIcon::Mode mode = index == 3 ? QIcon::Normal : QIcon::Disabled;
        const QString file = index == 3 ? QStringLiteral(":/pictures/badge-%1.png").arg(name)
                                        : QStringLiteral(":/pictures/badge-%1-grey.png").arg(name);
        const QImage shown = button(index)->icon().pixmap(QSize(50, 21), mode).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestMainWindow::browserPanelRefreshesChips()
{
    MainWindow &window = **m_window;
    const struct
    {
        const char *box;
        const char *chip;
        ColorValue color;
    } pairs[] = {{"txtHex", "lblWebHtml", 11},
                 {"txtPantone", "lblWebPantone", 22},
                 {"txtQB", "lblWebQB", 33},
                 {"txtRGB", "lblWebRGB", 44},
                 {"txtColor", "lblWebSwatch", 55}};
    for (const auto &pair : pairs)
        setBackColor(child<QWidget>(&window, QLatin1String(pair.box)), pair.color);

    clickButton(6);
    for (const auto &pair : pairs)
        QCOMPARE(backColor(child<QWidget>(&window, QLatin1String(pair.chip))), pair.color);

    clickButton(6);
    setBackColor(child<QWidget>(&window, QStringLiteral("txtRGB")), 99);
    QCOMPARE(backColor(child<QWidget>(&window, QStringLiteral("lblWebRGB"))), 44);
}

void TestMainWindow::helpPanelSetsTitleEachTime()
{
    auto *title = child<QLabel>(m_window->window.get(), QStringLiteral("lblHelpTitle"));
    QCOMPARE(title->text(), QStringLiteral("Help Title"));
    const QString about
        = QStringLiteral("Tintora Systems Management\r\nColor Conversions Utility.");
    clickButton(7);
    QCOMPARE(title->text(), about);
    QTest::mouseClick(child<QWidget>(m_window->window.get(), QStringLiteral("optHelp3")),
                      Qt::LeftButton, {}, QPoint(5, 5));
    clickButton(7);
    title->setText(QStringLiteral("changed"));
    clickButton(7);
    QCOMPARE(title->text(), about);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
