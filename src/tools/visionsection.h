#pragma once

#include "core/colorvision.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;

namespace Tintora {

// The open panel's colour, and the Web Browser panel's sample text on its back colour, as they
// look with normal colour vision and with each deficiency, with the sample's contrast ratio as
// each sees it.
class VisionSection : public QWidget
{
    Q_OBJECT

public:
    explicit VisionSection(QWidget *parent);

    // The open panel's colour (none while no colour panel is open) and the sample's colours.
    void showColors(std::optional<ColorValue> color, ColorValue text, ColorValue back);

private:
    struct Row
    {
        std::optional<ColorVision> vision; // none: normal colour vision
        QString name;
        QLabel *patch = nullptr;
        QLabel *color = nullptr;
        QLabel *sample = nullptr;
        QLabel *ratio = nullptr;
    };

    std::vector<Row> m_rows;
};

} // namespace Tintora
