#pragma once

#include <QString>

namespace Tintora {

// A text as a message quotes it, in double quotes: cut after 40 characters, so that the
// message box stays readable whatever a file holds.
QString quotedExcerpt(const QString &text);

} // namespace Tintora
