#include "panels/colorpanel.h"

#include "widgets/colordrag.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"

#include <QLabel>

#include <algorithm>

namespace Tintora {

namespace {

struct NotationReadOut
{
    Notation notation;
    const char *caption;
    const QString ColorNumbers::*text;
};

constexpr NotationReadOut kNotationReadOuts[] = {
    {Notation::Html, QT_TRANSLATE_NOOP("Tintora::ColorPanel", "HTML Number"), &ColorNumbers::html},
    {Notation::Rgb, QT_TRANSLATE_NOOP("Tintora::ColorPanel", "RGB Number"), &ColorNumbers::rgb},
    {Notation::Decimal, QT_TRANSLATE_NOOP("Tintora::ColorPanel", "Decimal Number"),
     &ColorNumbers::decimal},
};

} // namespace

QLineEdit *ColorPanel::addColorBox(const char *name, QRect twips, const QString &accessibleName)
{
    m_colorBox = makeColorBox(this, QLatin1StringView(name), twips, accessibleName);
    makeColorDragSource(m_colorBox, [this] { return color(); });
    takeDrops(this);
    return m_colorBox;
}

void ColorPanel::addReadOut(Notation notation, const ReadOutPlace &place)
{
    const NotationReadOut &kind = *std::find_if(
        std::begin(kNotationReadOuts), std::end(kNotationReadOuts),
        [notation](const NotationReadOut &readOut) { return readOut.notation == notation; });
    QLabel *caption
        = makeLabel(this, QLatin1StringView(place.captionName), tr(kind.caption), place.caption);
    QLineEdit *box = makeReadOnlyBox(this, QLatin1StringView(place.boxName), place.box, caption);
    if (place.lead) {
        caption->setFont(defaultFont(8.25, true));
        box->setFont(defaultFont(8.25, true));
    }
    caption->setWordWrap(place.wrapped);
    auto *entry = new ColorEntry(box, notation, [this](ColorValue color) {
        takeTyped(color);
        return true;
    });
    takeDrops(box);
    m_readOuts.push_back({kind.text, box, entry});
}

QLineEdit *ColorPanel::addNumberBox(const QString &caption, const ReadOutPlace &place,
                                    const QString &accepted,
                                    std::function<bool(const QString &text)> showNumber,
                                    QCompleter *completer)
{
    QLabel *label = makeLabel(this, QLatin1StringView(place.captionName), caption, place.caption);
    label->setFont(defaultFont(8.25, true));
    QLineEdit *box = makeReadOnlyBox(this, QLatin1StringView(place.boxName), place.box, label);
    box->setFont(defaultFont(9.75, true));
    // A text that is not the box's own number is a colour.
    auto *entry = new ColorEntry(
        box, Notation::Unambiguous, [this](ColorValue color) { return takeTyped(color); }, accepted,
        std::move(showNumber));
    takeDrops(box);
    if (completer)
        entry->setCompleter(completer);
    return box;
}

void ColorPanel::noteTaken(const ParsedColor &parsed)
{
    for (const ReadOut &readOut : m_readOuts)
        readOut.entry->noteTaken(parsed);
}

bool ColorPanel::takeTyped(ColorValue color)
{
    if (!takeColor(color))
        return false;
    emit colorTyped(color);
    return true;
}

// A box that takes typing would take a dropped text into what it shows.
void ColorPanel::takeDrops(QWidget *widget)
{
    makeColorDropTarget(widget, [this](ColorValue color) { emit colorDropped(color); });
}

void ColorPanel::showColor(ColorValue color)
{
    showColor(color, colorNumbers(color));
}

void ColorPanel::showColor(ColorValue color, const ColorNumbers &notations)
{
    showNotations(color, kBlack, notations);
}

void ColorPanel::showPlaceholders(ColorValue startColor)
{
    showNotations(std::nullopt, startColor, placeholderNumbers());
}

void ColorPanel::showNotations(std::optional<ColorValue> color, ColorValue startColor,
                               const ColorNumbers &notations)
{
    const ColorValue before = this->color();
    m_color = color;
    m_startColor = startColor;
    setBackColor(m_colorBox, this->color());
    for (const ReadOut &readOut : m_readOuts)
        readOut.box->setText(notations.*readOut.text);
    if (this->color() != before)
        emit colorChanged(this->color());
}

} // namespace Tintora
