#include "core/helptexts.h"

#include <QTest>

#include <climits>

using namespace Tintora;

class TestHelpTexts : public QObject
{
    Q_OBJECT

private slots:
    void caption_data();
    void caption();
    void text_data();
    void text();
    void outsideTheTopics_data();
    void outsideTheTopics();
    void onlyCrLfBreaks_data();
    void onlyCrLfBreaks();
    void howItWorksHasOneEmptyLine();
    void howItWorksEndsWithoutBreak();
    void howItWorksRunsSwatchSentencesTogether();
    void contactEndsWithBreak();
};

void TestHelpTexts::caption_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0 << QStringLiteral("How it works");
    QTest::newRow("1") << 1 << QStringLiteral("QB Colors");
    QTest::newRow("2") << 2 << QStringLiteral("Pantone");
    QTest::newRow("3") << 3 << QStringLiteral("RGB");
    QTest::newRow("4") << 4 << QStringLiteral("Hex (HTML)");
    QTest::newRow("5") << 5 << QStringLiteral("Swatches");
    QTest::newRow("6") << 6 << QStringLiteral("Web Browse");
    QTest::newRow("7") << 7 << QStringLiteral("Contact");
}

void TestHelpTexts::caption()
{
    QFETCH(int, index);
    QFETCH(QString, expected);

    QCOMPARE(helpTopicCaption(index), expected);
}

void TestHelpTexts::text_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("How it works")
        << 0
        << QStringLiteral(
               "A brief description on how to use this program:\r\n"
               "Click a ToolBar Button to show the selectors.\r\n"
               "QB Colors and Pantone only have one Scroll bar as they have predefined colors.\r\n"
               "RGB and HEX (Html) have three scrollers. One for Red, one for Green and one for "
               "Blue. Alternate betweeen the scroller colors to define a new color. \r\n"
               "There are no scrollers in the SWATCHES. You must Click down and move the mouse to "
               "scroll through the colors.The Tintora in each of the windows will show a color "
               "resulting in the scrolling action and the output text values are the color values "
               "of the selected color of the Tintora.\r\n"
               "WEB BROWSE is only linked to a predefined html file. If you do not have a browser "
               "(\?\?), a default page will show and you will not be able to use part of this "
               "feature. However, you can still see your chosen colors in the preview sample "
               "textbox.\r\n"
               "Click an option button in this Help Window for more help on any of these "
               "features. \r\n"
               "Reset, File > Reset, will be disabled if any Toolbar Button is pressed. Once "
               "enabled and clicked, all settings will return to startup values.\r\n"
               "\r\n"
               "About The Formulas used to define the Colors:\r\n"
               "Red, Green and Blue are each 0 to 255.\r\n"
               "Html (Hex) is 0 to 255 but shown as 00 to FF for each of the RGB Colors.\r\n"
               "Decimal text value, where shown, is the Tintora textbox backcolor.\r\n"
               "The Swatches have no scroll bars and the MouseDown and MouseMove events determine "
               "the backcolor. My DecimalToRGB formula converts the decimal value to EACH of the "
               "RGB Colors: RED ,GREEN, and BLUE. Each RGB Color is then converted to Hex (Html) "
               "values. \r\n"
               "Accuracy is now 100%.\r\n"
               "A copy of the DecimalToRGB formula, is available for only $5000 Australian.");
    QTest::newRow("QB Colors") << 1
                               << QStringLiteral(
                                      "QB Colors are the basic standard predefined colors.\r\n"
                                      "Use the Scroll bar to change colors.");
    QTest::newRow("Pantone")
        << 2
        << QStringLiteral(
               "Pantone colors are generally used in the printing industry. The numbers used here "
               "are from https://en.wikipedia.org/wiki/Pantone. The Pantone Folder contains all "
               "the data required to generate the colors. The List is located in the Pantone "
               "folder.\r\n"
               "Disclaimer:\r\n"
               "PANTONE\u00AE and other Pantone, Inc., trademarks are the property of Pantone, "
               "Inc.");
    QTest::newRow("RGB") << 3
                         << QStringLiteral(
                                "RGB:  R is Red. G is Green. B is Blue.\r\n"
                                "Although Html (Hex) is the primary value for web design, RGB is "
                                "becoming more popular as an alternative. \r\n"
                                "Alternate between the Scroll bars to Tweak a color of your "
                                "choice.");
    QTest::newRow("Hex (HTML)")
        << 4
        << QStringLiteral("Hex or HTML is primarily used in web pages.\r\n"
                          "Alternate between the Scroll bars to tweak a color of your choice.");
    QTest::newRow("Swatches") << 5
                              << QStringLiteral("Click down then move the mouse around the Color "
                                                "Swatch or Black/White swatch to evaluate a "
                                                "color. ");
    QTest::newRow("Web Browse")
        << 6
        << QStringLiteral(
               "Any colors selected in any of the color selections is shown here. Click a Button "
               "to set the color variable. By selecting either the Text Color checkbox or the Back "
               "Color checkbox will set the Sample Text feature to that color. Unchecking the "
               "checkboxes returns the Text color to black and the backcolor to white. \r\n"
               "The Sample Text can be set to Bold, Italics and/or Underlined.\r\n"
               "You can see how the Sample looks in a web page by clicking the Preview in Web Page "
               "Button. There is no link to an outside source nor any features or advertising in "
               "the web page. It is only for show. Right click the web page to see the settings.");
    QTest::newRow("Contact") << 7
                             << QStringLiteral(
                                    "For more information, contact Tintora Systems at: \r\n"
                                    "support@tintora.example\r\n"
                                    "Copyright \u00A9 Tintora Systems, December 2026. All rights "
                                    "reserved.\r\n");
}

void TestHelpTexts::text()
{
    QFETCH(int, index);
    QFETCH(QString, expected);

    QCOMPARE(helpTopicText(index), expected);
}

void TestHelpTexts::outsideTheTopics_data()
{
    QTest::addColumn<int>("index");

    QTest::newRow("-1: no option chosen") << -1;
    QTest::newRow("8: one past the last") << kHelpTopicCount;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestHelpTexts::outsideTheTopics()
{
    QFETCH(int, index);

    QVERIFY(helpTopicText(index).isEmpty());
    QVERIFY(helpTopicCaption(index).isEmpty());
}

void TestHelpTexts::onlyCrLfBreaks_data()
{
    QTest::addColumn<int>("index");

    for (int index = 0; index < kHelpTopicCount; ++index)
        QTest::newRow(qPrintable(helpTopicCaption(index))) << index;
}

void TestHelpTexts::onlyCrLfBreaks()
{
    QFETCH(int, index);

    const QString text = helpTopicText(index);
    QVERIFY(!text.isEmpty());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n')
            QVERIFY2(i > 0 && text.at(i - 1) == u'\r', qPrintable(QString::number(i)));
        if (text.at(i) == u'\r')
            QVERIFY2(i + 1 < text.size() && text.at(i + 1) == u'\n',
                     qPrintable(QString::number(i)));
    }
}

void TestHelpTexts::howItWorksHasOneEmptyLine()
{
    const QStringList lines = helpTopicText(0).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 16);
    QCOMPARE(lines.count(QString()), 1);
    QCOMPARE(lines.indexOf(QString()), 8);
}

void TestHelpTexts::howItWorksEndsWithoutBreak()
{
    QVERIFY(helpTopicText(0).endsWith(QStringLiteral("$5000 Australian.")));
}

void TestHelpTexts::howItWorksRunsSwatchSentencesTogether()
{
    QVERIFY(helpTopicText(0).contains(QStringLiteral("through the colors.The Tintora in each")));
}

void TestHelpTexts::contactEndsWithBreak()
{
    const QStringList lines = helpTopicText(kContactTopic).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.last(), QString());
    QVERIFY(!lines.at(2).isEmpty());
}

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
