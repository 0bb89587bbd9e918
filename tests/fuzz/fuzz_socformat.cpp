// Feeds arbitrary bytes to the LibreOffice colour table reader; see palettefuzz.h for what must
// hold.

#include "core/socformat.h"

#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return PaletteFuzz::check(data, size, Tintora::readSoc, Tintora::writeSoc);
}
