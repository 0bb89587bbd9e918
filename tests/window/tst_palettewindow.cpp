#include "testsupport.h"

#include "core/palette.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDrag>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Tintora;
using namespace Qt::StringLiterals;

// The palette window, the history and colours dragged and dropped, worked as a user does.
class TestPaletteWindow : public TestSupport::WindowTest
{
    Q_OBJECT

private slots:
    void usePalette_data()
    {
        QTest::addColumn<QString>("steps"); // see perform()
        QTest::addColumn<QString>("expected"); // see state()
        QTest::newRow("no colour to add; added, renamed in place, undone and redone")
            << u"Ctrl+Shift+L Ctrl+D 4 txtHexNum:4682B4 Ctrl+D txtHexNum:3399CC Ctrl+D "
               "lstPalette@0 F2 =Steel_Blue Ctrl+Z Ctrl+Shift+Z"_s
            << u"Steel Blue, #4682B4; #3399CC | #3399CC; #4682B4 | #3399CC"_s;
        QTest::newRow("moved past neither end, deleted; dropped on the window; history cleared")
            << u"Ctrl+Shift+L 4 txtHexNum:000001 Ctrl+D txtHexNum:000002 Ctrl+D "
               "txtHexNum:000003 Ctrl+D lstPalette@0 Alt+Down Alt+Down Alt+Down Alt+Up "
               "lstPalette@0 Alt+Up Delete drop:frmPalette:#FF6347 !cmdClearHistory"_s
            << u"#000001; #000003; #FF6347 |  | #000003"_s;
        QTest::newRow("clicked with no panel open: the Hex panel; entered from the history")
            << u"Ctrl+Shift+L 4 txtHexNum:4682B4 Ctrl+D 4 lstPalette@0 click 4 3 txtHTML:3399CC "
               "lstHistory@1 Return"_s
            << u"#4682B4 | #4682B4; #3399CC | #4682B4"_s;
        QTest::newRow("pasted, copied, dropped on the HTML Number, each once")
            << u"Ctrl+Shift+L 3 clip:#3399CC Ctrl+V End Ctrl+C drop:txtHTML:#FF6347"_s
            << u" | #FF6347; #FF99CC; #3399CC | #FF6347"_s;
        QTest::newRow("the catalogue patch dragged onto the RGB panel")
            << u"Ctrl+Shift+L 2 Down drag:txtPantone 2 3 drop:fraRGB:"_s
            << u" | #FF5000 | #FF5000"_s;
        QTest::newRow("exported without an ending, imported; a text file; a damaged file")
            << u"Ctrl+Shift+L 4 txtHexNum:4682B4 Ctrl+D lstPalette@0 file:Ctrl+Shift+S:out "
               "file:Ctrl+O:out.gpl file:Ctrl+O:notes.txt file:Ctrl+O:bad.ase"_s
            << u"#4682B4; #4682B4; #123456; #FF0000 | #4682B4 | #4682B4 | bad.ase"_s;
        // Kept between runs (tst_palette, e2e_palette); a damaged file is reported when read.
        QTest::newRow("damaged palette file")
            << u"damage Ctrl+Shift+L"_s << u" |  | none | palette.gpl"_s;
    }
    void usePalette()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        TestSupport::MessageBoxWatcher watcher;
        m_folder->write(u"notes.txt"_s, "a { color: #123456; background: red }");
        m_folder->write(u"bad.ase"_s, "ASEF");
        perform(steps);
        QCOMPARE(state(watcher), expected);
    }

private:
    // Steps, separated by blanks ("_" stands for a blank within one): "damage" damages the stored
    // palette before it is read; a toolbar button's number
    // clicks it; "box:text" types into a read-out; "list@row" gives a list's row the focus,
    // "click" clicks it, "=text" types into the editor and presses Enter; "clip:text" puts a text
    // on the clipboard; "drag:widget" drags out of it, "drop:widget:text" drops a text on it, or
    // what was dragged; "file:keys:name" answers the file dialog that the keys open with a file
    // of the program folder; "!button" clicks it; anything else is keys for the active window.
    void perform(const QString &steps)
    {
        for (QString step : steps.split(u' ')) {
            step.replace(u'_', u' ');
            const QString name = step.section(u':', 0, 0);
            const QString text = step.section(u':', 1);
            auto *list = qobject_cast<QListView *>(QApplication::focusWidget());
            if (step.size() == 1 && step.front().isDigit()) {
                activate(m_window->window.get());
                clickButton(step.toInt());
            } else if (step.startsWith(u"lst")) {
                list = find<QListView>(step.section(u'@', 0, 0));
                activate(list);
                list->setCurrentIndex(list->model()->index(step.section(u'@', 1).toInt(), 0));
            } else if (step == u"click") {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->currentIndex()).center());
            } else if (step.startsWith(u'=')) {
                QTest::keyClicks(QApplication::focusWidget(), step.mid(1) + u'\r');
            } else if (name.startsWith(u"txt")) {
                type(name, text);
            } else if (step == u"damage") {
                QDir().mkpath(m_folder->filePath(u"user-data"_s));
                m_folder->write(u"user-data/palette.gpl"_s, "GIMP Palette\n1 2\n");
            } else if (name == u"clip") {
                QGuiApplication::clipboard()->setText(text);
            } else if (name == u"drag") {
                drag(find(text));
            } else if (name == u"drop") {
                drop(find(text.section(u':', 0, 0)), text.section(u':', 1));
            } else if (name == u"file") {
                // The dialog runs its own event loop: answered from there once it shows.
                auto *answer = new QTimer(this);
                connect(answer, &QTimer::timeout, answer,
                        [answer, path = m_folder->filePath(text.section(u':', 1))] {
                            auto *dialog = QApplication::activeModalWidget();
                            if (!qobject_cast<QFileDialog *>(dialog))
                                return;
                            answer->stop();
                            answer->deleteLater();
                            // Set, not typed: the completion list would take the Return.
                            auto *box = TestSupport::child<QLineEdit>(dialog, u"fileNameEdit"_s);
                            box->setText(path);
                            QTest::keyClick(box, Qt::Key_Return);
                            dialog->close(); // a name it refused ends the step too
                        });
                answer->start(10);
                press(QKeySequence(text.section(u':', 0, 0)));
            } else if (step.startsWith(u'!')) {
                find<QPushButton>(step.mid(1))->click();
            } else {
                press(QKeySequence(step));
            }
        }
        QVERIFY(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
    }
    // Keys for the active window. With no window manager, the window last activated is
    // activated again after a dialog has closed.
    void press(const QKeySequence &keys)
    {
        if (!QApplication::activeWindow())
            activate(m_active);
        QTest::keySequence(QApplication::focusWindow(), keys);
    }
    void activate(QWidget *widget)
    {
        // Not qWaitForWindowActive: a tool window counts as active while its main window is.
        m_active = widget;
        widget->activateWindow();
        QVERIFY(
            QTest::qWaitFor([widget] { return QApplication::activeWindow() == widget->window(); }));
        widget->setFocus();
    }
    // A press and a move by the drag distance drag the colour, kept for a drop.
    void drag(QWidget *source)
    {
        const QPoint at = source->rect().center();
        QTest::mousePress(source, Qt::LeftButton, {}, at);
        QTest::mouseMove(source, at + QPoint(QApplication::startDragDistance(), 0));
        const auto *drag = source->findChild<QDrag *>();
        QVERIFY(drag);
        m_dragged.setColorData(drag->mimeData()->colorData());
    }
    void drop(QWidget *target, const QString &text)
    {
        QMimeData typed;
        typed.setText(text);
        const QMimeData *data = text.isEmpty() ? &m_dragged : &typed;
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (enter.isAccepted())
            QApplication::sendEvent(target, &drop);
    }
    // "palette entries | history | the open panel's colour | the file each message names", each
    // entry as a screen reader hears it.
    QString state(const TestSupport::MessageBoxWatcher &watcher) const
    {
        QStringList parts;
        for (const QString &name : {u"lstPalette"_s, u"lstHistory"_s}) {
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(find(name));
            QStringList items;
            for (int row = 0; row < list->childCount(); ++row)
                items.append(list->child(row)->text(QAccessible::Name));
            parts.append(items.join(u"; "));
        }
        const std::optional<ColorValue> color = (*m_window)->currentColor();
        parts.append(color ? hashColor(*color) : u"none"_s);
        for (const TestSupport::MessageBoxWatcher::Message &message : watcher.messages())
            parts.append(message.text.section(u'"', 1, 1));
        return parts.join(u" | ");
    }

    QMimeData m_dragged;
    QPointer<QWidget> m_active;
};

QTEST_MAIN(TestPaletteWindow)
#include "tst_palettewindow.moc"
