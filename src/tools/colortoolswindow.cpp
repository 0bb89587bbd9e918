#include "tools/colortoolswindow.h"

#include "tools/contrastsection.h"
#include "tools/harmoniessection.h"
#include "tools/visionsection.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace Tintora {

ColorToolsWindow::ColorToolsWindow(const ColorToolsLinks &links, QWidget *mainWindow)
    : ToolWindow(QStringLiteral("colorTools"), tr("Colour Tools"), mainWindow)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("colorToolsTabs"));
    m_contrast = new ContrastSection(links, tabs);
    m_harmonies = new HarmoniesSection(links.giveColor, tabs);
    m_vision = new VisionSection(tabs);
    tabs->addTab(m_contrast, tr("&Contrast"));
    tabs->addTab(m_harmonies, tr("&Tints and Harmonies"));
    tabs->addTab(m_vision, tr("Colour V&ision"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
}

void ColorToolsWindow::showColor(std::optional<ColorValue> color)
{
    m_contrast->showForeground(color);
    m_harmonies->showColor(color);
    m_vision->showColor(color);
}

void ColorToolsWindow::showSampleColors(ColorValue text, ColorValue back)
{
    m_vision->showSampleColors(text, back);
}

} // namespace Tintora
