// Feeds arbitrary text to the colour parser, in every box's notation, to the colour finder and to
// the catalogue search, checking what must hold for any input.

#include "core/catalogsearch.h"
#include "core/colorfinder.h"
#include "core/colorparser.h"
#include "core/notations.h"

#include "require.h"

using namespace Tintora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<ColorValue> unambiguous = parseColor(text, Notation::Unambiguous);
    for (const Notation notation :
         {Notation::Html, Notation::Rgb, Notation::Decimal, Notation::Any}) {
        const std::optional<ColorValue> color = parseColor(text, notation);
        require(!color || (*color >= kBlack && *color <= kWhite), "a colour is 0 to 16777215");
        require(!unambiguous || color == unambiguous, "unambiguous forms read alike everywhere");
        require(parseColor(QStringLiteral(" %1\n").arg(text), notation) == color,
                "blanks around are ignored");
        require(!color || parseColor(QString::number(*color), Notation::Decimal) == color,
                "the colour's Decimal Number reads back");
    }
    if (unambiguous) {
        using N = ColorNotation;
        for (const N notation :
             {N::Hex, N::Rgb, N::Hsl, N::Hwb, N::Lab, N::Lch, N::Oklab, N::Oklch, N::ColorRef})
            require(parseColorText(notationRow(notation, *unambiguous).text, Notation::Unambiguous)
                        == ParsedColor {*unambiguous},
                    "every notation of style sheets printed reads back as the same colour");
    }
    const FoundColors found = findColors(text);
    require(found.colors.size() <= kMaxColorsFound, "the colours found are bounded");
    require(found.colors.value(0) == firstColor(text).value_or(ParsedColor {}),
            "a line gives the first colour found in it");
    const QStringList names {QStringLiteral("Yellow C"), QStringLiteral("Warm Gray 10 C"),
                             QStringLiteral("Warm Gray 1 C"), QStringLiteral("485 C")};
    if (const std::optional<int> entry = findCatalogEntry(text, names))
        require(names[*entry].startsWith(text.simplified(), Qt::CaseInsensitive),
                "the entry's name starts with the text");
    return 0;
}
