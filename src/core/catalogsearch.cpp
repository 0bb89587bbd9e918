#include "core/catalogsearch.h"

#include "core/colorparser.h"

namespace Tintora {

namespace {

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
            if (!name[at].isSpace())
                return NameMatch::None;
            while (at < name.size() && name[at].isSpace())
                ++at;
        } else if (name[at++].toCaseFolded() != c) {
            return NameMatch::None;
        }
    }
    if (at == name.size())
        return NameMatch::Whole;
    return name[at].isSpace() ? NameMatch::Word : NameMatch::Start;
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

} // namespace Tintora
