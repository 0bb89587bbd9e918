#pragma once

#include "core/contrast.h"
#include "tools/colortoolswindow.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Tintora {

class ContrastReadout;

// The contrast of the open panel's colour as text on a background that is typed or pasted into a
// box, picked from the screen, dropped (from the palette or another program) or swapped with it:
// the WCAG 2 ratio with its verdicts, the APCA lightness contrast as a second opinion, and for
// each level the text fails, the nearest colour that passes, to apply to the panel.
class ContrastSection : public QWidget
{
    Q_OBJECT

public:
    ContrastSection(const ColorToolsLinks &links, QWidget *parent);

    void showForeground(std::optional<ColorValue> color);
    void setBackground(ColorValue color);

private:
    // A level of normal text, and the colour nearest to the text's that passes it.
    struct PassingRow
    {
        QString level;
        double ratio;
        bool Contrast::*passes;
        QLabel *patch = nullptr;
        QLabel *text = nullptr;
        QPushButton *apply = nullptr;
        std::optional<ColorValue> color; // what Apply gives
    };

    void addPassingRow(PassingRow &row, const char *name);
    void pickBackground();
    // Gives the panel the background and takes its colour as the background.
    void swap();
    void showContrast();
    void showPassing(PassingRow &row, const Contrast &contrast);

    ColorToolsLinks m_links;
    std::optional<ColorValue> m_foreground;
    ColorValue m_background = kWhite;
    QLabel *m_foregroundPatch;
    QLabel *m_foregroundText;
    QLabel *m_backgroundPatch;
    QLineEdit *m_backgroundBox;
    QPushButton *m_swapButton;
    QWidget *m_results;
    ContrastReadout *m_ratio;
    QLabel *m_apca;
    std::array<PassingRow, 2> m_passing;
};

} // namespace Tintora
