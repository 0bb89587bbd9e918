#include "core/catalogsearch.h"

#include "core/colorparser.h"
#include "core/numericvalue.h"

#include <algorithm>

namespace Tintora {

namespace {

bool isBlank(QChar c)
{
    return c.isSpace();
}

// How a typed name, already simplified and case-folded, matches the start of a catalogue name.
enum class NameMatch { None, Start, Word, Whole };

NameMatch matchName(QStringView wanted, QStringView name)
{
    name = name.trimmed();
    qsizetype at = 0;
    for (QChar c : wanted) {
        if (at == name.size())
            return NameMatch::None;
        if (c == u' ') {
            if (!isBlank(name[at]))
                return NameMatch::None;
            while (at < name.size() && isBlank(name[at]))
                ++at;
        } else if (name[at++].toCaseFolded() != c) {
            return NameMatch::None;
        }
    }
    if (at == name.size())
        return NameMatch::Whole;
    return isBlank(name[at]) ? NameMatch::Word : NameMatch::Start;
}

} // namespace

std::optional<int> findCatalogEntry(QStringView text, const QStringList &names)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > kMaxColorTextLength)
        return std::nullopt;
    // Folded one character at a time, as the names are, so that both fold alike.
    QString wanted = text.toString().simplified();
    for (QChar &c : wanted)
        c = c.toCaseFolded();
    std::optional<int> word;
    std::optional<int> start;
    for (qsizetype i = 0; i < names.size(); ++i) {
        switch (matchName(wanted, names[i])) {
        case NameMatch::Whole:
            return int(i);
        case NameMatch::Word:
            word = word.value_or(int(i));
            break;
        case NameMatch::Start:
            start = start.value_or(int(i));
            break;
        case NameMatch::None:
            break;
        }
    }
    return word ? word : start;
}

QList<ColorValue> catalogColors(const QStringList &reds, const QStringList &greens,
                                const QStringList &blues)
{
    const qsizetype count = std::min({reds.size(), greens.size(), blues.size()});
    const auto component = [](const QString &text) {
        return int(numericInt16(text).value_or(0));
    };
    QList<ColorValue> colors;
    colors.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        colors.append(colorValue(component(reds[i]), component(greens[i]), component(blues[i])));
    return colors;
}

} // namespace Tintora
