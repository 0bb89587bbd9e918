#include "core/messagetext.h"

namespace Tintora {

QString quotedExcerpt(const QString &text)
{
    constexpr qsizetype kShown = 40;
    if (text.size() <= kShown)
        return u'"' + text + u'"';
    return u'"' + text.left(kShown) + QStringLiteral("\u2026\"");
}

} // namespace Tintora
