#pragma once

#include "core/colorvalue.h"

#include <QGroupBox>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Tintora {

class BrowserHost;
class FormState;

// The colour boxes of the five selectors, where the assignment buttons take their colours.
struct ColorSources
{
    QWidget *pantone = nullptr;
    QWidget *qb = nullptr;
    QWidget *rgb = nullptr;
    QWidget *html = nullptr;
    QWidget *swatch = nullptr;
};

// "Web Browser": tries a colour on a sample text and previews the sample as a web page.
class BrowserPanel : public QGroupBox
{
    Q_OBJECT

public:
    BrowserPanel(FormState &state, const ColorSources &sources, const QString &browserPluginPath,
                 QWidget *parent = nullptr);

    // Each chip takes the colour its assignment button would assign now.
    void refreshChips();

    // The page writer: writes the sample as the preview page and reloads the browser.
    void cmdWriteWeb_Click();

    QPushButton *cmdPantone;
    QPushButton *cmdQB;
    QPushButton *cmdSwatch;
    QPushButton *cmdRGB;
    QPushButton *cmdWebHtml;
    QLabel *lblWebPantone;
    QLabel *lblWebQB;
    QLabel *lblWebSwatch;
    QLabel *lblWebRGB;
    QLabel *lblWebHtml;
    QCheckBox *chkFG;
    QCheckBox *chkBG;
    QCheckBox *chkBold;
    QCheckBox *chkItalics;
    QCheckBox *chkUnderline;
    QLineEdit *txtWebSample;
    QPushButton *cmdWriteWeb;
    QPushButton *cmdRefresh;
    BrowserHost *brwVRN;

private:
    struct Assignment
    {
        QPushButton *button;
        QWidget *source;
        QLabel *chip;
    };

    QPushButton *addAssignment(const QString &name, const QString &caption, QRect buttonGeometry,
                               const QString &chipName, QRect chipGeometry, QWidget *source,
                               QLabel *&chip);
    QCheckBox *addCheckBox(const QString &name, const QString &caption, QRect geometry);
    void chkFG_Click();
    void chkBG_Click();
    void toggleFontAttribute(void (QFont::*setter)(bool), bool (QFont::*getter)() const);
    void reportWriteFailure(int errorNumber);

    FormState &m_state;
    std::vector<Assignment> m_assignments;
};

} // namespace Tintora
