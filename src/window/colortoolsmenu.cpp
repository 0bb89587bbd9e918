#include "window/colortoolsmenu.h"

#include "panels/browserpanel.h"
#include "tools/colortoolswindow.h"
#include "window/colortransfer.h"
#include "window/mainwindow.h"
#include "window/toolwindows.h"

namespace Tintora {

void addColorTools(MainWindow &window, ColorPanel &suited, BrowserPanel &browser)
{
    window.toolWindows().add(
        "mnuViewColorTools", MainWindow::tr("Colour &Tools"), QKeySequence(Qt::CTRL | Qt::Key_T),
        [&window, &suited, &browser] {
            ColorTransfer &transfer = window.colorTransfer();
            const ColorToolsLinks links {
                [&transfer, &suited](ColorValue color) { transfer.giveColor(color, suited); },
                [&transfer](std::function<void(ColorValue)> take) {
                    transfer.pickFromScreen(std::move(take));
                },
                transfer.pickRefusal()};
            auto *tools = new ColorToolsWindow(links, &window);
            tools->showColor(window.currentColor());
            tools->showSampleColors(browser.sampleTextColor(), browser.sampleBackColor());
            QObject::connect(&window, &MainWindow::currentColorChanged, tools,
                             &ColorToolsWindow::showColor);
            QObject::connect(&browser, &BrowserPanel::sampleColorsChanged, tools,
                             &ColorToolsWindow::showSampleColors);
            return tools;
        });
}

} // namespace Tintora
