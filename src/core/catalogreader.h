#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <limits>

namespace Tintora {

// Splits the content of a catalogue file into its items, in file order:
// - items are separated by commas and by line breaks (LF, CR LF or CR);
// - blanks (spaces and tabs) before an item are skipped;
// - an item in double quotes is taken without its quotes and may hold commas and line breaks;
//   anything after the closing quote up to the next separator is ignored;
// - a line holding nothing but blanks gives no item, so a final line break (or several) adds no
//   empty entry; an empty item between two commas, or after a comma at the end of a line, is kept.
// A file that starts with a UTF-16 or UTF-32 byte order mark is read in that encoding; any other
// is read as UTF-8 when the whole file is valid UTF-8 (a leading UTF-8 byte order mark skipped),
// else as Latin-1. Reading stops after maxItems items.
QStringList readCatalogItems(QByteArrayView data,
                             qsizetype maxItems = std::numeric_limits<qsizetype>::max());

// Whether data starts with a UTF-16 or UTF-32 byte order mark: only such a file may hold NUL bytes.
bool hasWideByteOrderMark(QByteArrayView data);

} // namespace Tintora
