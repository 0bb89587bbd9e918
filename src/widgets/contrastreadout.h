#pragma once

#include "core/colorvalue.h"

#include <QLabel>

namespace Tintora {

// Shows how well a sample's text stands out from its back: the contrast ratio and whether it
// passes the accessibility guidelines' levels AA and AAA for normal and for large text.
class ContrastReadout : public QLabel
{
    Q_OBJECT

public:
    // Shows black on white until told otherwise.
    explicit ContrastReadout(QWidget *parent = nullptr);

    void showContrast(ColorValue text, ColorValue back);
};

} // namespace Tintora
