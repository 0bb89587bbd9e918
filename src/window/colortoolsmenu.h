#pragma once

namespace Tintora {

class BrowserPanel;
class ColorPanel;
class MainWindow;

// View > Colour Tools (Ctrl+T): the colour tools window, built when first opened, following the
// open panel's colour and the Web Browser panel's sample colours. Its colours go into the open
// panel, or into suited when none that takes colours is open.
void addColorTools(MainWindow &window, ColorPanel &suited, BrowserPanel &browser);

} // namespace Tintora
