#include "tools/colortoolswindow.h"

#include "tools/contrastsection.h"
#include "tools/harmoniessection.h"
#include "tools/visionsection.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace Tintora {

ColorToolsWindow::ColorToolsWindow(const ColorToolsLinks &links, QWidget *mainWindow)
    : ToolWindow(QStringLiteral("frmColorTools"), tr("Colour Tools"), mainWindow)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabColorTools"));
    m_contrast = new ContrastSection(links, m_tabs);
    m_harmonies = new HarmoniesSection(links.giveColor, m_tabs);
    m_vision = new VisionSection(m_tabs);
    m_tabs->addTab(m_contrast, tr("&Contrast"));
    m_tabs->addTab(m_harmonies, tr("&Tints and Harmonies"));
    m_tabs->addTab(m_vision, tr("Colour V&ision"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &ColorToolsWindow::showCurrentTab);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
}

void ColorToolsWindow::showColor(std::optional<ColorValue> color)
{
    m_color = color;
    showCurrentTab();
}

void ColorToolsWindow::showSampleColors(ColorValue text, ColorValue back)
{
    m_sampleText = text;
    m_sampleBack = back;
    showCurrentTab();
}

void ColorToolsWindow::showEvent(QShowEvent *event)
{
    ToolWindow::showEvent(event);
    showCurrentTab();
}

void ColorToolsWindow::showCurrentTab()
{
    if (!isVisible())
        return;
    QWidget *tab = m_tabs->currentWidget();
    if (tab == m_contrast) {
        m_contrast->showForeground(m_color);
    } else if (tab == m_harmonies) {
        m_harmonies->showColor(m_color);
    } else {
        m_vision->showColors(m_color, m_sampleText, m_sampleBack);
    }
}

} // namespace Tintora
