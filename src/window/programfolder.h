#pragma once

#include <QString>

namespace Tintora {

// The path of relativePath ("Webdask/WebDask.html") below folder. Where a name does not exist
// with exactly its letter case, an entry of the folder that differs only in case takes its place,
// so "WebDask" and "Webdask" name the same folder on a case-sensitive file system too. Names
// that exist in no case are kept as given.
QString resolveBelow(const QString &folder, const QString &relativePath);

} // namespace Tintora
