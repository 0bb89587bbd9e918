#include "core/palettetext.h"

namespace Tintora {

QString singleLine(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

PaletteRead tooManyColors()
{
    return paletteFault(QStringLiteral("it holds more than %1 colours").arg(kMaxPaletteEntries));
}

} // namespace Tintora
