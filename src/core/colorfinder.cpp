#include "core/colorfinder.h"

#include "core/colorfunctions.h"
#include "core/colortext.h"
#include "core/cssnamedcolors.h"

namespace Tintora {

namespace {

// The characters of a word in a style sheet: ASCII letters and digits, "-", "_" and anything
// beyond ASCII, so that "rédblue" is one word and no colour.
bool isWordChar(QChar c)
{
    return isAsciiLetter(c) || isDigit(c) || c == u'-' || c == u'_' || c.unicode() > 0x7F;
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// Reads a text once from start to end, each step moving on by at least one character; a colour
// function is looked for within kMaxColorTextLength characters of its name.
class ColorScanner
{
public:
    explicit ColorScanner(QStringView text)
        : m_text(text)
    { }

    std::optional<ParsedColor> next();

private:
    QChar at(qsizetype i) const { return i >= 0 && i < m_text.size() ? m_text[i] : QChar(); }
    qsizetype wordEnd(qsizetype from) const
    {
        while (from < m_text.size() && isWordChar(m_text[from]))
            ++from;
        return from;
    }
    std::optional<ParsedColor> word(qsizetype start);

    QStringView m_text;
    qsizetype m_at = 0;
};

std::optional<ParsedColor> ColorScanner::next()
{
    while (m_at < m_text.size()) {
        const qsizetype start = m_at;
        if (m_text[start] == u'#') {
            m_at = wordEnd(start + 1);
            if (at(start - 1) != u'&') {
                if (auto color = hashColor(m_text.sliced(start + 1, m_at - start - 1)))
                    return color;
            }
        } else if (isWordChar(m_text[start])) {
            m_at = wordEnd(start);
            if (auto color = word(start))
                return color;
        } else {
            ++m_at;
        }
    }
    return std::nullopt;
}

// The word from start to m_at: "0x" and its digits, a function, or a name.
std::optional<ParsedColor> ColorScanner::word(qsizetype start)
{
    const QStringView word = m_text.sliced(start, m_at - start);
    if (isDigit(word[0])) {
        if (word.size() > 2 && word[0] == u'0' && asciiLower(word[1]) == u'x')
            return codeColor(word.sliced(2));
        return std::nullopt;
    }
    qsizetype after = m_at;
    while (isBlank(at(after)))
        ++after;
    // Blanks may stand before the parenthesis of a colour function, as in a box.
    if (at(after) == u'(' && isColorFunction(word)) {
        const QStringView window
            = m_text.sliced(start).first(std::min(m_text.size() - start, kMaxColorTextLength));
        const qsizetype close = window.indexOf(u')');
        if (close >= 0) {
            m_at = start + close + 1;
            return functionColor(window.first(close + 1));
        }
    }
    if (at(m_at) == u'(') {
        // An address is no colour, whatever it holds: "url(#fff)".
        if (equalsAscii(word, QLatin1StringView("url"))) {
            const qsizetype close = m_text.indexOf(u')', m_at);
            m_at = close < 0 ? m_text.size() : close + 1;
        } else {
            // Inside any other function, such as a gradient, colours count.
            ++m_at;
        }
        return std::nullopt;
    }
    while (isQuote(at(after)) || isBlank(at(after)))
        ++after;
    const QChar before = at(start - 1);
    if (at(after) == u':' || before == u'.' || before == u'$' || before == u'@')
        return std::nullopt;
    const std::optional<ColorValue> named = namedColor(word);
    return named ? std::optional(ParsedColor {*named}) : std::nullopt;
}

} // namespace

FoundColors findColors(QStringView text)
{
    FoundColors found;
    ColorScanner scanner(text);
    while (const std::optional<ParsedColor> color = scanner.next()) {
        if (found.colors.size() == kMaxColorsFound) {
            found.truncated = true;
            break;
        }
        found.colors.append(*color);
    }
    return found;
}

std::optional<ParsedColor> firstColor(QStringView text)
{
    return ColorScanner(text).next();
}

} // namespace Tintora
