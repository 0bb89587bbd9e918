#include "core/helptexts.h"

#include "core/maker.h"

#include <QStringList>

namespace Tintora {

namespace {

QString lineBreak()
{
    return QStringLiteral("\r\n");
}

QString howItWorks()
{
    const QStringList usage = {
        QStringLiteral("A brief description on how to use this program:"),
        QStringLiteral("Click a ToolBar Button to show the selectors."),
        QStringLiteral("QB Colors and Pantone only have one Scroll bar as they have predefined "
                       "colors."),
        QStringLiteral(
            "RGB and HEX (Html) have three scrollers. One for Red, one for Green and one "
            "for Blue. ")
            + QStringLiteral("Alternate betweeen the scroller colors to define a new color. "),
        QStringLiteral("There are no scrollers in the SWATCHES. You must Click down and move the "
                       "mouse to scroll through the colors.")
            + QStringLiteral(
                "The Tintora in each of the windows will show a color resulting in the "
                "scrolling action and the output text values are the color values of "
                "the selected color of the Tintora."),
        // "\?" is a plain question mark; GCC would warn of a trigraph, which C++20 no longer has.
        QStringLiteral("WEB BROWSE is only linked to a predefined html file. If you do not have a "
                       "browser (?\?), a default page will show and you will not be able to use "
                       "part of this feature. ")
            + QStringLiteral("However, you can still see your chosen colors in the preview sample "
                             "textbox."),
        QStringLiteral("Click an option button in this Help Window for more help on any of these "
                       "features. "),
        QStringLiteral("Reset, File > Reset, will be disabled if any Toolbar Button is pressed. "
                       "Once enabled and clicked, all settings will return to startup values."),
    };
    const QStringList formulas = {
        QStringLiteral("About The Formulas used to define the Colors:"),
        QStringLiteral("Red, Green and Blue are each 0 to 255."),
        QStringLiteral("Html (Hex) is 0 to 255 but shown as 00 to FF for each of the ")
            + QStringLiteral("RGB Colors."),
        QStringLiteral("Decimal text value, where shown, is the Tintora textbox backcolor."),
    };
    const QStringList swatches = {
        QStringLiteral("The Swatches have no scroll bars and the MouseDown and MouseMove events "
                       "determine the backcolor. ")
            + QStringLiteral("My DecimalToRGB formula converts the decimal value to EACH ")
            + QStringLiteral("of the RGB Colors: RED ,GREEN, and BLUE. Each RGB Color is then "
                             "converted to Hex (Html) values. "),
        QStringLiteral("Accuracy is now 100%."),
        QStringLiteral("A copy of the DecimalToRGB formula, is available for only $5000 "
                       "Australian."),
    };

    // Every usage line ends in a break, and one more break leaves the single empty line.
    QString text;
    for (const QString &line : usage)
        text += line + lineBreak();
    return text + lineBreak() + formulas.join(lineBreak()) + lineBreak()
        + swatches.join(lineBreak());
}

QString qbColors()
{
    return QStringList {
        QStringLiteral("QB Colors are the basic standard predefined colors."),
        QStringLiteral("Use the Scroll bar to change colors."),
    }
        .join(lineBreak());
}

QString pantone()
{
    return QStringList {
        QStringLiteral("Pantone colors are generally used in the printing industry. The numbers "
                       "used here are from ")
            + catalogWebPage()
            + QStringLiteral(". The Pantone Folder contains all the data required to generate the "
                             "colors. ")
            + QStringLiteral("The List is located in the Pantone folder."),
        QStringLiteral("Disclaimer:"),
        QStringLiteral("PANTONE\u00AE and other Pantone, Inc., trademarks are the property of "
                       "Pantone, Inc."),
    }
        .join(lineBreak());
}

QString rgb()
{
    return QStringList {
        QStringLiteral("RGB:  R is Red. G is Green. B is Blue."),
        QStringLiteral("Although Html (Hex) is the primary value for web design, RGB is becoming "
                       "more popular as an alternative. "),
        QStringLiteral("Alternate between the Scroll bars to Tweak a color of your choice."),
    }
        .join(lineBreak());
}

QString hexHtml()
{
    return QStringList {
        QStringLiteral("Hex or HTML is primarily used in web pages."),
        QStringLiteral("Alternate between the Scroll bars to tweak a color of your choice."),
    }
        .join(lineBreak());
}

QString swatches()
{
    return QStringLiteral("Click down then move the mouse around the Color Swatch or Black/White "
                          "swatch to evaluate a color. ");
}

QString webBrowse()
{
    return QStringList {
        QStringLiteral("Any colors selected in any of the color selections is shown here. ")
            + QStringLiteral("Click a Button to set the color variable. By selecting either the "
                             "Text Color checkbox or the Back Color checkbox will set ")
            + QStringLiteral("the Sample Text feature to that color. Unchecking the checkboxes "
                             "returns the Text color to black and the backcolor to white. "),
        QStringLiteral("The Sample Text can be set to Bold, Italics and/or Underlined."),
        QStringLiteral("You can see how the Sample looks in a web page by clicking the Preview in "
                       "Web Page Button. There is no link to an outside source nor any features "
                       "or advertising ")
            + QStringLiteral("in the web page. It is only for show. Right click the web page to "
                             "see the settings."),
    }
        .join(lineBreak());
}

QString contact()
{
    // Each line ends in a break, so the box shows an empty last line below the notice.
    return QStringLiteral("For more information, contact ") + makerName() + QStringLiteral(" at: ")
        + lineBreak() + makerEmail() + lineBreak() + makerRightsNotice() + lineBreak();
}

} // namespace

QString helpTopicCaption(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("How it works");
    case 1:
        return QStringLiteral("QB Colors");
    case 2:
        return QStringLiteral("Pantone");
    case 3:
        return QStringLiteral("RGB");
    case 4:
        return QStringLiteral("Hex (HTML)");
    case 5:
        return QStringLiteral("Swatches");
    case 6:
        return QStringLiteral("Web Browse");
    case kContactTopic:
        return QStringLiteral("Contact");
    default:
        return {};
    }
}

QString helpTopicText(int index)
{
    switch (index) {
    case 0:
        return howItWorks();
    case 1:
        return qbColors();
    case 2:
        return pantone();
    case 3:
        return rgb();
    case 4:
        return hexHtml();
    case 5:
        return swatches();
    case 6:
        return webBrowse();
    case kContactTopic:
        return contact();
    default:
        return {};
    }
}

} // namespace Tintora
