// Feeds arbitrary bytes to the GIMP palette reader; see palettefuzz.h for what must hold.

#include "core/gplformat.h"

#include "palettefuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return PaletteFuzz::check(data, size, Tintora::readGpl, Tintora::writeGpl);
}
