#include "testsupport.h"

#include "widgets/controls.h"
#include "window/paneltoolbar.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

// The contrast read-out on the Web Browser panel, driven through the panel's own controls.
class TestContrastReadout : public QObject
{
    Q_OBJECT

private slots:
    void followsTheSampleColours();
};

void TestContrastReadout::followsTheSampleColours()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window.loadAndShow());
    QTest::mouseClick(window->tlbFirst()->button(6), Qt::LeftButton);
    QWidget *panel = child<QWidget>(&*window, u"FraBrowser"_s);
    auto *label = child<QLabel>(panel, u"lblContrast"_s);
    QAccessibleInterface *readout = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(readout->text(QAccessible::Name), u"Contrast of the sample text"_s);
    QCOMPARE(label->text(), u"Contrast 21:1\nAA pass · AAA pass"_s);

    // Grey text: assigned, then applied.
    setBackColor(child<QWidget>(&*window, u"txtRGB"_s), colorValue(0x77, 0x77, 0x77));
    QTest::mouseClick(child<QPushButton>(panel, u"cmdRGB"_s), Qt::LeftButton);
    QCOMPARE(label->text(), u"Contrast 21:1\nAA pass · AAA pass"_s);
    child<QCheckBox>(panel, u"chkFG"_s)->click();
    QCOMPARE(label->text(), u"Contrast 4.48:1\nAA large only · AAA fail"_s);
    QCOMPARE(readout->text(QAccessible::Description),
             u"4.48:1. Level AA: normal text fails, large text passes. "
             "Level AAA: normal text fails, large text fails."_s);

    // The same grey behind it, then Reset, which unchecks both boxes.
    child<QCheckBox>(panel, u"chkBG"_s)->click();
    QCOMPARE(label->text(), u"Contrast 1:1\nAA fail · AAA fail"_s);
    window->mnuFileReset_Click();
    QCOMPARE(label->text(), u"Contrast 21:1\nAA pass · AAA pass"_s);
}

QTEST_MAIN(TestContrastReadout)
#include "tst_contrastreadout.moc"
