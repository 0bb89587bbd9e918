// Runs in an X server whose desktop xsetroot has painted #3399CC; xdotool clicks and types as
// the user would, outside the program's window.

#include "testsupport.h"

#include "window/paneltoolbar.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using TestSupport::child;

class TestScreenPicker : public QObject
{
    Q_OBJECT

private slots:
    void pick_data()
    {
        QTest::addColumn<QStringList>("user"); // xdotool's arguments
        QTest::addColumn<QString>("decimal"); // the Swatches panel's; empty: no panel opened
        QTest::newRow("click on the desktop")
            << QStringList {u"mousemove"_s, u"600"_s, u"440"_s, u"click"_s, u"1"_s}
            << u"13408563"_s;
        QTest::newRow("escape") << QStringList {u"key"_s, u"Escape"_s} << QString();
    }
    void pick()
    {
        QFETCH(QStringList, user);
        QFETCH(QString, decimal);
        TestSupport::ProgramFolder folder;
        TestSupport::TestWindow window(folder.path());
        QVERIFY(window->Form_Load());
        window->move(0, 0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.window.get()));

        auto *action = child<QAction>(window.window.get(), u"mnuEditPick"_s);
        QVERIFY2(action->isEnabled(), qPrintable(action->toolTip()));
        action->trigger();
        QTRY_VERIFY(QWidget::mouseGrabber());
        QCOMPARE(QProcess::execute(u"xdotool"_s, user), 0);
        QTRY_VERIFY(!QWidget::mouseGrabber());
        QCOMPARE(window->tlbFirst()->button(5)->isChecked(), !decimal.isEmpty());
        if (!decimal.isEmpty())
            QTRY_COMPARE(child<QLineEdit>(window.window.get(), u"txtColorDecimal"_s)->text(),
                         decimal);
    }
};

QTEST_MAIN(TestScreenPicker)
#include "tst_screenpicker.moc"
