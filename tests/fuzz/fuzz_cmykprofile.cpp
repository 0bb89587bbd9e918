// Feeds arbitrary bytes to the colour-profile reading and, when they make a CMYK printer profile,
// to a converter with one of the four intents and one colour, checking what must hold for any
// file.

#include "core/cmykconverter.h"
#include "core/cmykprofiles.h"

#include "require.h"

using namespace Tintora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString name = QStringLiteral("fuzz.icc");
    const ProfileReading reading = readProfile(bytes, name);
    require((reading.kind == ProfileKind::Damaged) == reading.problem.contains(u"\"fuzz.icc\""),
            "a damaged profile, and only that, has a message naming the file");
    if (reading.kind != ProfileKind::CmykPrinter)
        return 0;
    require(!reading.description.isEmpty() && !reading.description.contains(u'\n'),
            "a CMYK profile has a description of one line");

    const CmykConverter converter(bytes, name, RenderingIntent(size % 4));
    require(converter.isReady() == converter.problem().isEmpty(), "a converter works or says why");
    const ColorValue color = ColorValue(size * 2654435761U % (kWhite + 1));
    if (const std::optional<CmykValue> cmyk = converter.convert(color)) {
        for (const double ink : {cmyk->cyan, cmyk->magenta, cmyk->yellow, cmyk->black})
            require(ink >= 0 && ink <= 100, "inks lie in 0 to 100 %");
    }
    return 0;
}
