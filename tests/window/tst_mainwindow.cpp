#include "testsupport.h"

#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

// The toolbar opens one panel at a time and locks the rest; what an open panel looks like is
// pinned by the window pictures.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestSupport::ProgramFolder>();
        m_window = std::make_unique<TestSupport::TestWindow>(m_folder->path());
        QVERIFY(m_window->loadAndShow());
    }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    void openAndClosePanel_data();
    void openAndClosePanel();
    void browserPanelRefreshesChips();
    void helpPanel();
    void toolbarKeyAndToggle();

private:
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return child<T>(m_window->window.get(), name);
    }
    QToolButton *button(int index) const { return (*m_window)->tlbFirst()->button(index); }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestMainWindow::openAndClosePanel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("focus"); // empty: the focus stays where it was
    QTest::newRow("QB Colors") << 1 << u"fraQBcolors"_s << u"vsQB"_s;
    QTest::newRow("Pantone") << 2 << u"fraPantone"_s << u"vsPantone"_s;
    QTest::newRow("RGB") << 3 << u"fraRGB"_s << u"hsRed"_s;
    QTest::newRow("Hex") << 4 << u"fraHtml"_s << u"hsHexRed"_s;
    QTest::newRow("Swatches") << 5 << u"fraSwatches"_s << u"picTintora"_s;
    QTest::newRow("Web Browser") << 6 << u"FraBrowser"_s << QString();
    QTest::newRow("Help") << 7 << u"fraTextHelp"_s << QString();
}

void TestMainWindow::openAndClosePanel()
{
    QFETCH(int, index);
    QFETCH(QString, panel);
    QFETCH(QString, focus);
    auto *reset = find<QAction>(u"mnuFileReset"_s);
    const int closedHeight = (*m_window)->height();
    QWidget *before = find(u"txtWebSample"_s);
    before->setFocus();

    QTest::mouseClick(button(index), Qt::LeftButton);
    QVERIFY(find(panel)->isVisible());
    QVERIFY((*m_window)->height() > closedHeight);
    for (int other = 1; other <= 7; ++other)
        QCOMPARE(button(other)->isEnabled(), other == index);
    QVERIFY(!reset->isEnabled());
    QCOMPARE(QApplication::focusWidget(), focus.isEmpty() ? before : find(focus));

    QTest::mouseClick(button(index), Qt::LeftButton);
    QVERIFY(!find(panel)->isVisible());
    QCOMPARE(find(panel)->height(), 0);
    QCOMPARE((*m_window)->height(), closedHeight);
    for (int other = 1; other <= 7; ++other)
        QVERIFY(button(other)->isEnabled());
    QVERIFY(reset->isEnabled());
}

// Opening the Web Browser panel gives each chip its colour box's colour; closing it does not.
void TestMainWindow::browserPanelRefreshesChips()
{
    const QString pairs[][2] = {{u"txtHex"_s, u"lblWebHtml"_s},
                                {u"txtPantone"_s, u"lblWebPantone"_s},
                                {u"txtQB"_s, u"lblWebQB"_s},
                                {u"txtRGB"_s, u"lblWebRGB"_s},
                                {u"txtColor"_s, u"lblWebSwatch"_s}};
    for (int i = 0; i < 5; ++i)
        setBackColor(find(pairs[i][0]), 11 * (i + 1));
    QTest::mouseClick(button(6), Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(backColor(find(pairs[i][1])), 11 * (i + 1));
    // Without the browser plug-in the panel says so, once it has painted.
    QTRY_VERIFY(find(u"brwVRN"_s)->findChild<QLabel *>());
    QVERIFY(find(u"brwVRN"_s)->findChild<QLabel *>()->text().startsWith(u"No web browser"_s));
    QTest::mouseClick(button(6), Qt::LeftButton);
    setBackColor(find(u"txtRGB"_s), 99);
    QCOMPARE(backColor(find(u"lblWebRGB"_s)), 44);
}

// The title is set each time the panel opens; a topic replaces the whole text.
void TestMainWindow::helpPanel()
{
    auto *title = find<QLabel>(u"lblHelpTitle"_s);
    QCOMPARE(title->text(), u"Help Title"_s);
    QTest::mouseClick(button(7), Qt::LeftButton);
    const QString about = u"Tintora Systems Management\r\nColor Conversions Utility."_s;
    QCOMPARE(title->text(), about);
    QTest::mouseClick(find(u"optHelp3"_s), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(find<QPlainTextEdit>(u"txtHelpOutput"_s)->toPlainText().left(4), u"RGB:"_s);
    QTest::mouseClick(button(7), Qt::LeftButton);
    title->setText(u"changed"_s);
    QTest::mouseClick(button(7), Qt::LeftButton);
    QCOMPARE(title->text(), about);
}

// A button's key and a screen reader's toggle work as a click; a locked button's key does nothing.
void TestMainWindow::toolbarKeyAndToggle()
{
    QTest::keyClick(m_window->window.get(), Qt::Key_4, Qt::AltModifier);
    QTRY_VERIFY(find(u"fraHtml"_s)->isVisible());
    QTest::keyClick(m_window->window.get(), Qt::Key_5, Qt::AltModifier);
    QVERIFY(!button(5)->isDown());
    button(4)->toggle();
    QVERIFY(!find(u"fraHtml"_s)->isVisible() && button(5)->isEnabled());
    button(4)->toggle();
    QVERIFY(find(u"fraHtml"_s)->isVisible() && !button(5)->isEnabled());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
