#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace Tintora {

// Splits the content of a catalogue file into its items, in file order:
// - items are separated by commas and by line breaks (LF, CR LF or CR);
// - blanks (spaces and tabs) before an item are skipped;
// - an item in double quotes is taken without its quotes and may hold commas and line breaks;
//   anything after the closing quote up to the next separator is ignored;
// - a line holding nothing but blanks gives no item, so a final line break (or several) adds no
//   empty entry; an empty item between two commas, or after a comma at the end of a line, is kept.
// The bytes are read as UTF-8 when the whole file is valid UTF-8, else as Latin-1.
QStringList readCatalogItems(QByteArrayView data);

} // namespace Tintora
