// Feeds arbitrary bytes to the Adobe Swatch Exchange reader; see palettefuzz.h for what must hold.

#include "core/aseformat.h"

#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return PaletteFuzz::check(data, size, Tintora::readAse, Tintora::writeAse);
}
