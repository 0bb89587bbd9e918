#pragma once

#include "core/messagetext.h"
#include "core/palette.h"

namespace Tintora {

// Texts the palette readers and writers share.

// A name on one line: line breaks and other control characters become blanks.
QString singleLine(QString text);

PaletteRead tooManyColors();

} // namespace Tintora
