#pragma once

#include "core/palette.h"

#include <QByteArray>
#include <QByteArrayView>

namespace Tintora {

// LibreOffice's colour tables (.soc): an XML document whose root is ooo:color-table holding one
// draw:color element per colour, with the attributes draw:name and draw:color="#rrggbb", the
// prefixes bound to the OpenDocument drawing namespace and OpenOffice.org's office namespace
// (any prefixes will do). Other elements are skipped; a document type declaration is refused,
// so that no entity can grow the document.
PaletteRead readSoc(QByteArrayView data);

QByteArray writeSoc(const Palette &palette);

} // namespace Tintora
