#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

namespace Tintora {

// Finds the catalogue entry a user means by a name typed into the catalogue's number box.
// Case and runs of blanks do not matter; in this order, the first entry whose name
//   1. is the text ("485 c" finds "485 C"),
//   2. starts with the text and a blank ("485" finds "485 C", "warm gray 1" finds "Warm Gray 1 C"
//      and not "Warm Gray 10 C"),
//   3. starts with the text ("rhod" finds "Rhodamine Red C").
// An empty text, or one that no name matches, finds nothing.
std::optional<int> findCatalogEntry(QStringView text, const QStringList &names);

} // namespace Tintora
