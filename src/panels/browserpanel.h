#pragma once

#include "core/colorvalue.h"
#include "panels/panel.h"

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Tintora {

class BrowserHost;
class ColorPanel;
class ContrastReadout;

// The colour panels whose colours the assignment buttons take.
struct ColorSources
{
    ColorPanel *pantone;
    ColorPanel *qb;
    ColorPanel *rgb;
    ColorPanel *html;
    ColorPanel *swatch;
};

// "Web Browser": tries a colour on a sample text and previews the sample as a web page.
class BrowserPanel : public Panel
{
    Q_OBJECT

public:
    BrowserPanel(const ColorSources &sources, const QString &browserPluginPath,
                 QWidget *parent = nullptr);

    // The preview page, which the browser shows and the page writer rewrites. The browser loads
    // it once the panel first opens.
    void setPage(const QString &pagePath);
    // The page writer: writes the sample as the preview page and reloads the browser.
    void writePage();
    // Loads the browser's libraries in the background, ahead of the panel's first opening.
    void preloadBrowser();
    // The colour last assigned with an assignment button; none since start-up or Reset.
    std::optional<ColorValue> assignedColor() const { return m_assigned; }

    // Each chip takes the colour its assignment button would assign now.
    void opened() override;
    // Plain black on white, no colour assigned, every chip black; the sample's text stays.
    void reset() override;

    // The sample's text and back colours, which sampleColorsChanged tells as they change.
    ColorValue sampleTextColor() const { return m_textColor; }
    ColorValue sampleBackColor() const { return m_backColor; }

signals:
    // An assignment button has assigned assignedColor().
    void colorAssigned();
    void sampleColorsChanged(Tintora::ColorValue text, Tintora::ColorValue back);

private:
    struct Assignment
    {
        ColorPanel *source;
        QLabel *chip;
    };

    void addAssignment(const char *name, const QString &caption, QRect buttonTwips,
                       const char *chipName, QRect chipTwips, ColorPanel *source);
    void setSampleColors(ColorValue text, ColorValue back);
    void showSampleStyle();
    void reportWriteFailure(int errorNumber);

    std::vector<Assignment> m_assignments;
    // The colour last assigned. Before any assignment the colour check boxes apply black.
    std::optional<ColorValue> m_assigned;
    ColorValue m_textColor = kBlack; // the sample's
    ColorValue m_backColor = kWhite;
    QString m_pagePath;
    QCheckBox *m_textColorBox;
    QCheckBox *m_backColorBox;
    QCheckBox *m_boldBox;
    QCheckBox *m_italicBox;
    QCheckBox *m_underlineBox;
    QLineEdit *m_sample;
    ContrastReadout *m_contrast;
    QPushButton *m_refreshButton;
    BrowserHost *m_browser;
};

} // namespace Tintora
