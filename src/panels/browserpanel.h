#pragma once

#include "core/colorvalue.h"
#include "panels/panelinterface.h"

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
class BrowserPanel : public QGroupBox, public PanelInterface
{
    Q_OBJECT

public:
    BrowserPanel(FormState &state, const ColorSources &sources, const QString &browserPluginPath,
                 QWidget *parent = nullptr);

    // The page writer: writes the sample as the preview page and reloads the browser.
    void cmdWriteWeb_Click();

    // Points the browser at the preview page; it loads once the panel first opens.
    void navigate(const QString &pagePath);
    // Loads the browser's libraries in the background, ahead of the panel's first opening.
    void preloadBrowser();

    QWidget *widget() override { return this; }
    int openHeight() const override { return 5175; }
    void opened() override;
    void setStartValues() override;
    void reset() override;

private:
    struct Assignment
    {
        QWidget *source;
        QLabel *chip;
    };

    QLabel *addAssignment(const QString &name, const QString &caption, QRect buttonGeometry,
                          const QString &chipName, QRect chipGeometry, QWidget *source);
    QCheckBox *addCheckBox(const QString &name, const QString &caption, QRect geometry);
    void chkFG_Click();
    void chkBG_Click();
    void toggleFontAttribute(void (QFont::*setter)(bool), bool (QFont::*getter)() const);
    void reportWriteFailure(int errorNumber);

    FormState &m_state;
    std::vector<Assignment> m_assignments;
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
    QPushButton *cmdRefresh;
    BrowserHost *brwVRN;
};

} // namespace Tintora
