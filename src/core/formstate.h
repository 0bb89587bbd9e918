#pragma once

#include "core/colorvalue.h"
#include "core/hiddenlist.h"

#include <QObject>

#include <optional>

namespace Tintora {

// The variables and hidden tables that the window's panels share. One object, owned by the main
// window; every panel holds a reference to it.
class FormState : public QObject
{
    Q_OBJECT

public:
    explicit FormState(QObject *parent = nullptr);

    // Conversion input and results: a routine stores a colour value in varDecimal, calls
    // DecimalToRGB and reads the components and the HTML Number right after.
    qint32 varDecimal = 0;
    qint16 intRed = 0;
    qint16 intGreen = 0;
    qint16 intBlue = 0;
    QString strHexColor;

    // The colour last assigned on the Web Browser panel; empty until the first assignment.
    std::optional<ColorValue> varWebColor;

    QString strWebPage; // full path of the preview page
    qint16 intMissingFiles = 0; // 1 once the catalogue failed to load
    bool blnMouseUp = true; // no mouse button held on a swatch picture

    HiddenList cboHtml {QStringLiteral("cboHtml"), this};
    HiddenList cboNumList {QStringLiteral("cboNumList"), this};
    HiddenList cboPantoneList {QStringLiteral("cboPantoneList"), this};
    HiddenList cboPantoneRGBred {QStringLiteral("cboPantoneRGBred"), this};
    HiddenList cboPantoneRGBgreen {QStringLiteral("cboPantoneRGBgreen"), this};
    HiddenList cboPantoneRGBblue {QStringLiteral("cboPantoneRGBblue"), this};

    // Fills cboHtml with "00" to "FF" and selects "00".
    void FillHexTable();

    // Splits varDecimal into intBlue, intGreen and intRed, and writes strHexColor through the hex
    // table (red, green, blue), leaving the table on the blue component.
    void DecimalToRGB();
};

} // namespace Tintora
