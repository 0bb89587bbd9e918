#pragma once

#include "core/notations.h"

#include <functional>

namespace Tintora {

class MainWindow;

// View > Colour Details (Ctrl+I), the colour window built when first opened, and Edit > Copy As,
// which copies the open panel's colour in any of its notations. catalog gives the catalogue that
// the nearest entry is looked up in.
void addNotationMenus(MainWindow &window, std::function<CatalogNames()> catalog);

} // namespace Tintora
