#include "testsupport.h"

#include "core/colordifference.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

// Colours typed into the read-outs or pasted from the clipboard reach the open panel.
class TestColorEntry : public QObject
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

    void typeOrPaste_data();
    void typeOrPaste();
    void nearestCatalogEntry();
    void copyEntries();

private:
    template<typename T = QLineEdit>
    T *find(const QString &name) const
    {
        return child<T>(m_window->window.get(), name);
    }
    void open(int index) const { (*m_window)->tlbFirst()->button(index)->click(); }
    void type(const QString &box, const QString &text, Qt::Key key = Qt::Key_Return) const
    {
        find(box)->setFocus();
        find(box)->selectAll();
        QTest::keyClicks(find(box), text);
        QTest::keyClick(find(box), key);
    }

    std::unique_ptr<TestSupport::ProgramFolder> m_folder;
    std::unique_ptr<TestSupport::TestWindow> m_window;
};

void TestColorEntry::typeOrPaste_data()
{
    QTest::addColumn<int>("panel"); // toolbar button; 0: none open
    QTest::addColumn<QString>("box"); // empty: pasted through Edit > Paste
    QTest::addColumn<QString>("text");
    // "name=value": a box's text or a bar's value; "name~text": a text in the box's tool tip.
    QTest::addColumn<QStringList>("expected");
    const QStringList hexBars {u"hsHexRed=51"_s, u"hsHexGreen=153"_s, u"hsHexBlue=204"_s};
    QTest::newRow("html number") << 4 << u"txtHexNum"_s << u"#3399CC"_s
                                 << hexBars
            + QStringList {u"txtHexRGB=RGB(51,153,204)"_s, u"txtHexDex=13408563"_s,
                           u"txtHexNum=3399CC"_s};
    QTest::newRow("decimal number") << 4 << u"txtHexDex"_s << u"13408563"_s << hexBars;
    QTest::newRow("pasted name") << 3 << QString() << u"steelblue"_s
                                 << QStringList {u"hsRed=70"_s, u"hsGreen=130"_s, u"hsBlue=180"_s};
    QTest::newRow("pasted, no panel open") << 0 << QString() << u"rgb(51, 153, 204)"_s << hexBars;
    QTest::newRow("bars in place")
        << 3 << u"txtHTML"_s << u"black"_s << QStringList {u"txtHTML=000000"_s, u"txtDecimal=0"_s};
    QTest::newRow("swatch") << 5 << u"txtColorRgb"_s << u"51 153 204"_s
                            << QStringList {u"txtColorDecimal=13408563"_s,
                                            u"txtColorHtml=3399CC"_s};
    QTest::newRow("catalog name") << 2 << u"txtPantoneNum"_s << u"485"_s
                                  << QStringList {u"txtPantoneNum=485 C"_s};
    QTest::newRow("qb number") << 1 << u"txtQBnum"_s << u"12"_s << QStringList {u"vsQB=12"_s};
    QTest::newRow("nearest qb color")
        << 1 << u"txtHTMLqb"_s << u"#3399CC"_s << QStringList {u"txtQBnum~not the same"_s};
}

void TestColorEntry::typeOrPaste()
{
    QFETCH(int, panel);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    if (panel)
        open(panel);
    if (box.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
        find<QAction>(u"mnuEditPaste"_s)->trigger();
    } else {
        type(box, text);
        QVERIFY(find(box)->styleSheet().isEmpty());
    }
    for (const QString &check : expected) {
        const QStringList parts = check.split(QRegularExpression(u"[=~]"_s));
        if (check.contains(u'~'))
            QVERIFY2(find(parts[0])->toolTip().contains(parts[1]), qPrintable(check));
        else if (auto *bar = m_window->window->findChild<QScrollBar *>(parts[0]))
            QCOMPARE(bar->value(), parts[1].toInt());
        else
            QCOMPARE(find(parts[0])->text(), parts[1]);
    }
}

void TestColorEntry::nearestCatalogEntry()
{
    open(2);
    QLineEdit *number = find(u"txtPantoneNum"_s);
    const QString before = number->text();
    // A typo changes nothing: the box marks it until Escape puts back what it showed.
    type(u"txtPantoneNum"_s, u"#3399CG"_s);
    QCOMPARE(number->text(), u"#3399CG"_s);
    QVERIFY(!number->styleSheet().isEmpty());
    QVERIFY(number->toolTip().contains(u"rgb(r, g, b)"_s));
    QTest::keyClick(number, Qt::Key_Escape);
    QCOMPARE(number->text(), before);
    QVERIFY(number->styleSheet().isEmpty() && number->toolTip().isEmpty());

    type(u"txtPantoneNum"_s, u"#3399CC"_s);
    const QRegularExpressionMatch shown
        = QRegularExpression(u"ΔE (\\d+\\.\\d)"_s).match(find(u"txtPantone"_s)->toolTip());
    QVERIFY2(shown.hasMatch(), qPrintable(find(u"txtPantone"_s)->toolTip()));
    const double deltaE = ciede2000(toLab(13408563), toLab(backColor(find(u"txtPantone"_s))));
    QCOMPARE(shown.captured(1), QString::number(deltaE, 'f', 1));
    QVERIFY(number->text() != before);

    // The entry's own colour is an exact match; moving the bar drops the note.
    type(u"txtHtmlPantone"_s, find(u"txtHtmlPantone"_s)->text());
    QCOMPARE(number->toolTip(), u"Exact match"_s);
    find<QScrollBar>(u"vsPantone"_s)->setValue(0);
    QVERIFY(number->toolTip().isEmpty());
}

void TestColorEntry::copyEntries()
{
    const QStringList names {u"mnuEditCopy"_s, u"mnuEditCopyHash"_s, u"mnuEditCopyCss"_s,
                             u"mnuEditCopyRgb"_s, u"mnuEditCopyDecimal"_s};
    const QStringList copied {u"3399CC"_s, u"#3399CC"_s, u"rgb(51, 153, 204)"_s,
                              u"RGB(51,153,204)"_s, u"13408563"_s};
    // No colour to copy with no panel open, nor with Help open.
    for (int panel : {0, 7}) {
        if (panel)
            open(panel);
        for (const QString &name : names)
            QVERIFY(!find<QAction>(name)->isEnabled());
    }
    open(7);
    open(4);
    type(u"txtHexNum"_s, u"#39c"_s);
    for (qsizetype i = 0; i < names.size(); ++i) {
        find<QAction>(names[i])->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied[i]);
    }
}

QTEST_MAIN(TestColorEntry)
#include "tst_colorentry.moc"
