#include "testsupport.h"

#include "core/helptexts.h"
#include "widgets/controls.h"
#include "window/paneltoolbar.h"
#include "window/splashwindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using TestSupport::child;

namespace {

const QString kMissingFile = QStringLiteral(
    "A file is missing. Make sure all Folders and their respective files are in place.");

// Records what the splash window shows: its captions and when it appears and goes.
class SplashRecorder : public QObject
{
public:
    SplashRecorder() { qApp->installEventFilter(this); }
    ~SplashRecorder() override { qApp->removeEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->objectName() != QLatin1String("frmLoading"))
            return false;
        if (event->type() == QEvent::Show)
            events.append(QStringLiteral("show ") + widget->windowTitle());
        else if (event->type() == QEvent::Hide)
            events.append(QStringLiteral("hide"));
        else if (event->type() == QEvent::WindowTitleChange && widget->isVisible())
            events.append(QStringLiteral("caption ") + widget->windowTitle());
        return false;
    }
};

QByteArray catalogLines(int count, const QByteArray &first, const QByteArray &rest)
{
    QByteArray data = first + '\n';
    for (int i = 1; i < count; ++i)
        data += rest + '\n';
    return data;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void splashCaptions();
    void startValues_data();
    void startValues();
    void startColors();
    void startState();
    void firstMoveDropsTheBlanks();
    void previewPageFolderInAnyCase();
    void failedLoad_data();
    void failedLoad();
    void missingFileKeepsListsReadBefore_data();
    void missingFileKeepsListsReadBefore();
    void firstEntryNumberStartsTheCatalogue();
};

void TestStartup::splashCaptions()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    SplashRecorder recorder;
    QVERIFY(window->Form_Load());
    QCOMPARE(recorder.events,
             QStringList({"show Loading Tintora Utility...Please Wait",
                          "caption Not much longer now!", "hide"}));
    QVERIFY(!window->frmLoading()->isVisible());
    QVERIFY(!window.exitCode->has_value());
}

void TestStartup::startValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char *const rgb = "RGB(0, 0, 0)";
    const struct
    {
        const char *name;
        const char *text;
    } boxes[] = {
        {"txtRGBnum", rgb},         {"txtDecimal", "0"},
        {"txtColorDecimal", "0"},   {"txtHexNum", "000000"},
        {"txtRGBqb", rgb},          {"txtRgbPantone", rgb},
        {"txtHexDex", "0"},         {"txtHexRGB", rgb},
        {"txtHTML", "000000"},      {"txtHtmlPantone", "000000"},
        {"txtHTMLqb", "000000"},    {"txtColorRgb", rgb},
        {"txtColorHtml", "000000"}, {"txtQBnum", "0"},
        {"txtPantoneNum", "0"},     {"txtWebSample", "Text Sample"},
    };
    for (const auto &box : boxes)
        QTest::newRow(box.name) << QString::fromLatin1(box.name) << QString::fromLatin1(box.text);
}

void TestStartup::startValues()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    QCOMPARE(child<QLineEdit>(window.window.get(), name)->text(), text);
}

void TestStartup::startColors()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    for (const char *name : {"txtRGB", "txtColor", "txtHex", "txtQB", "txtPantone", "lblWebHtml",
                             "lblWebPantone", "lblWebQB", "lblWebRGB", "lblWebSwatch"})
        QVERIFY2(backColor(child<QWidget>(window.window.get(), QLatin1String(name))) == kBlack,
                 name);
    auto *sample = child<QLineEdit>(window.window.get(), QStringLiteral("txtWebSample"));
    QCOMPARE(foreColor(sample), kBlack);
    QCOMPARE(backColor(sample), kWhite);
    QVERIFY(!sample->font().bold() && !sample->font().italic() && !sample->font().underline());
}

void TestStartup::startState()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    MainWindow &w = *window;
    FormState &state = w.state();

    QCOMPARE(state.intMissingFiles, 0);
    QVERIFY(state.blnMouseUp);
    QVERIFY(!state.varWebColor.has_value());
    QCOMPARE(state.cboHtml.count(), 256);
    QCOMPARE(state.cboHtml.currentIndex(), 0);
    QCOMPARE(state.cboNumList.count(), 256);
    QCOMPARE(state.cboNumList.item(0), QStringLiteral("0"));
    QCOMPARE(state.cboNumList.item(255), QStringLiteral("255"));
    for (const char *bar :
         {"hsRed", "hsGreen", "hsBlue", "hsHexRed", "hsHexGreen", "hsHexBlue", "vsQB", "vsPantone"})
        QVERIFY2(child<QScrollBar>(&w, QLatin1String(bar))->value() == 0, bar);
    for (const char *box : {"chkFG", "chkBG", "chkBold", "chkItalics", "chkUnderline"})
        QVERIFY2(!child<QCheckBox>(&w, QLatin1String(box))->isChecked(), box);

    auto *topics = child<QButtonGroup>(&w, QStringLiteral("optHelp"));
    QCOMPARE(topics->checkedId(), kContactTopic);
    QCOMPARE(child<QPlainTextEdit>(&w, QStringLiteral("txtHelpOutput"))->toPlainText(),
             helpTopicText(kContactTopic).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(child<QLabel>(&w, QStringLiteral("lblHelpTitle"))->text(),
             QStringLiteral("Help Title"));

    for (int index = 1; index <= 7; ++index)
        QVERIFY(!w.tlbFirst()->button(index)->isChecked()
                && w.tlbFirst()->button(index)->isEnabled());
    QVERIFY(child<QAction>(&w, QStringLiteral("mnuFileReset"))->isEnabled());
    QVERIFY(child<QPushButton>(&w, QStringLiteral("cmdRefresh"))->isEnabled());

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.centralWidget()->height(), pixels(1695 - 690));
    for (const char *panel : {"fraQBcolors", "fraPantone", "fraRGB", "fraHtml", "fraSwatches",
                              "FraBrowser", "fraTextHelp"})
        QVERIFY2(!child<QWidget>(&w, QLatin1String(panel))->isVisible(), panel);
}

void TestStartup::firstMoveDropsTheBlanks()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    child<QScrollBar>(window.window.get(), QStringLiteral("hsBlue"))->setValue(1);
    QCOMPARE(child<QLineEdit>(window.window.get(), QStringLiteral("txtRGBnum"))->text(),
             QStringLiteral("RGB(0,0,1)"));
}

void TestStartup::previewPageFolderInAnyCase()
{
    TestSupport::ProgramFolder folder;
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    QCOMPARE(window->state().strWebPage, folder.filePath(QStringLiteral("Webdask/WebDask.html")));
}

void TestStartup::failedLoad_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // null: the file is removed
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message"); // empty: the message names the file
    QTest::newRow("missing preview page")
        << "Webdask/WebDask.html" << QByteArray() << "Missing File" << kMissingFile;
    QTest::newRow("missing Pantone folder")
        << "Pantone" << QByteArray() << "Missing File" << kMissingFile;
    QTest::newRow("missing redlist.dat")
        << "Pantone/redlist.dat" << QByteArray() << "Missing File" << kMissingFile;
    QTest::newRow("missing pantonelist.dat")
        << "Pantone/pantonelist.dat" << QByteArray() << "Missing File" << kMissingFile;
    QTest::newRow("empty redlist.dat") << "Pantone/redlist.dat" << QByteArray("") << "Damaged File"
                                       << "";
    QTest::newRow("short greenlist.dat")
        << "Pantone/greenlist.dat" << catalogLines(940, "1", "1") << "Damaged File"
        << "";
    QTest::newRow("component above 255")
        << "Pantone/bluelist.dat" << catalogLines(941, "300", "1") << "Damaged File"
        << "";
    QTest::newRow("first entry 2000 lies beyond the catalogue")
        << "Pantone/pantonelist.dat" << catalogLines(941, "2000", "Name") << "Missing File"
        << kMissingFile;
}

void TestStartup::failedLoad()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, message);
    TestSupport::ProgramFolder folder;
    if (content.isNull())
        folder.remove(file);
    else
        folder.write(file, content);
    TestSupport::TestWindow window(folder.path());
    TestSupport::MessageBoxWatcher watcher;
    SplashRecorder recorder;

    QVERIFY(!window->Form_Load());
    QCOMPARE(watcher.messages().size(), 1);
    const auto shown = watcher.messages().first();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    if (message.isEmpty())
        QVERIFY2(shown.text.contains(QFileInfo(file).fileName()), qPrintable(shown.text));
    else
        QCOMPARE(shown.text, message);

    QCOMPARE(window.exitCode->value_or(-1), 1);
    QCOMPARE(window->state().intMissingFiles, 1);
    QCOMPARE(window->frmLoading()->windowTitle(), QStringLiteral("MISSING FOLDER OR FILES!!"));
    QVERIFY(window->frmLoading()->isVisible());
    QVERIFY(!recorder.events.contains(QStringLiteral("caption Not much longer now!")));
    QVERIFY(!window->isVisible());
}

void TestStartup::missingFileKeepsListsReadBefore_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("listsFilled");
    QTest::newRow("redlist.dat") << "redlist.dat" << 0;
    QTest::newRow("greenlist.dat") << "greenlist.dat" << 1;
    QTest::newRow("bluelist.dat") << "bluelist.dat" << 2;
    QTest::newRow("pantonelist.dat") << "pantonelist.dat" << 3;
}

void TestStartup::missingFileKeepsListsReadBefore()
{
    QFETCH(QString, file);
    QFETCH(int, listsFilled);
    TestSupport::ProgramFolder folder;
    folder.remove(QStringLiteral("Pantone/") + file);
    TestSupport::TestWindow window(folder.path());
    TestSupport::MessageBoxWatcher watcher;
    QVERIFY(!window->Form_Load());
    const FormState &state = window->state();
    const HiddenList *lists[] = {&state.cboPantoneRGBred, &state.cboPantoneRGBgreen,
                                 &state.cboPantoneRGBblue, &state.cboPantoneList};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(lists[i]->count(), i < listsFilled ? 941 : 0);
}

void TestStartup::firstEntryNumberStartsTheCatalogue()
{
    TestSupport::ProgramFolder folder;
    QByteArray names = folder.read(QStringLiteral("Pantone/pantonelist.dat"));
    names.replace(0, names.indexOf('\n'), "100");
    folder.write(QStringLiteral("Pantone/pantonelist.dat"), names);
    TestSupport::TestWindow window(folder.path());
    QVERIFY(window->Form_Load());
    const FormState &state = window->state();
    QCOMPARE(child<QScrollBar>(window.window.get(), QStringLiteral("vsPantone"))->value(), 100);
    // The scroll bar's change handling showed entry 100 before the start values were written.
    QCOMPARE(state.cboPantoneList.currentIndex(), 100);
    QCOMPARE(state.cboPantoneRGBred.currentIndex(), 100);
    QCOMPARE(state.cboPantoneRGBblue.currentIndex(), 100);
    QCOMPARE(backColor(child<QWidget>(window.window.get(), QStringLiteral("txtPantone"))), 100);
    QCOMPARE(child<QLineEdit>(window.window.get(), QStringLiteral("txtPantoneNum"))->text(),
             QStringLiteral("100"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
