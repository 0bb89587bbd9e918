#pragma once

#include "core/colorvalue.h"
#include "core/notations.h"
#include "tools/toolwindow.h"

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace Tintora {

class NotationSource;

// View > Colour Details: the colour of the open panel in every notation, each on a row of its own
// with its text to select, a note (a colour difference, "out of gamut") and a button that copies
// the text; below them the CMYK profile and rendering intent. A screen reader speaks each row's
// text as a sentence. With no colour panel open the window says so and shows no numbers.
class ColorDetailsWindow : public ToolWindow
{
    Q_OBJECT

public:
    ColorDetailsWindow(NotationSource &source, QWidget *mainWindow);

    // Shows a colour's notations, or says that there is none; worked out only while the window
    // shows.
    void showColor(std::optional<ColorValue> color);

signals:
    // A Copy button put a text of the colour on the clipboard.
    void colorCopied(Tintora::ColorValue color);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct RowWidgets
    {
        QLineEdit *text;
        QLabel *note;
        QPushButton *copy;
    };

    void addCmykChoice(QVBoxLayout *layout);
    void showRows();

    NotationSource &m_source;
    std::optional<ColorValue> m_color;
    QList<NotationRow> m_rows; // what the rows show, copied from here
    std::vector<RowWidgets> m_widgets; // in the order of ColorNotation
    QLabel *m_noColor;
};

} // namespace Tintora
