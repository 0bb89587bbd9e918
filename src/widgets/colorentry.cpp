#include "widgets/colorentry.h"

#include "widgets/controls.h"

#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace Tintora {

namespace {

// The frame of a refused text; the style sheet is the box's own and goes with the mark.
const char kInvalidStyle[] = "QLineEdit { border: 2px solid red; }";

} // namespace

ColorEntry::ColorEntry(QLineEdit *box, const QString &accepted, Accept accept)
    : QObject(box)
    , m_box(box)
    , m_accepted(accepted)
    , m_accept(std::move(accept))
    , m_shown(box->text())
{
    box->setReadOnly(false);
    box->installEventFilter(this);
    // A user's change comes as textEdited, then textChanged; the program's as textChanged alone,
    // and what the program shows ends any typing under way.
    connect(box, &QLineEdit::textEdited, this, [this] { m_userChange = true; });
    connect(box, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (std::exchange(m_userChange, false)) {
            m_editing = true;
            return;
        }
        m_shown = text;
        m_editing = false;
        setInvalid(false);
        setTakenNote(QString());
    });
    // Enter comes as a signal: a completion list hands its Enter to the box past event filters.
    connect(box, &QLineEdit::returnPressed, this, &ColorEntry::enter);
}

ColorEntry::ColorEntry(QLineEdit *box, Notation notation, Take take, const QString &ownAccepted,
                       Accept own)
    : ColorEntry(box, ownAccepted + acceptedNotations(notation), {})
{
    m_accept = [this, notation, take = std::move(take), own = std::move(own)](const QString &text) {
        if (own && own(text))
            return true;
        const std::optional<ParsedColor> parsed = parseColorText(text, notation);
        if (!parsed || !take(parsed->color))
            return false;
        noteTaken(*parsed);
        return true;
    };
}

void ColorEntry::noteTaken(const ParsedColor &parsed)
{
    QStringList notes;
    if (parsed.alphaDropped)
        notes.append(tr("Taken without its transparency: the program shows opaque colours."));
    if (parsed.gamutMapped)
        notes.append(tr("Taken as the nearest sRGB colour: the colour given lies outside sRGB."));
    setTakenNote(notes.join(u' '));
}

void ColorEntry::setCompleter(QCompleter *completer)
{
    // Connected before the box's own handling, which writes a completion as the program would;
    // it is the user's typing all the same.
    const auto completing = [this](const QString &text) {
        if (text != m_box->text())
            m_userChange = true;
    };
    connect(completer, qOverload<const QString &>(&QCompleter::highlighted), this, completing);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, completing);
    m_box->setCompleter(completer);
}

bool ColorEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // With nothing selected the copy keys are the window's Edit > Copy, which copies the
        // panel's colour; the box keeps them for a selection.
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)
            && !m_box->hasSelectedText())
            return true;
    } else if (event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && (m_editing || m_invalid)) {
            restore();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A completion list opening below the box leaves the typing under way.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            restore();
    }
    return QObject::eventFilter(watched, event);
}

void ColorEntry::enter()
{
    if (!m_editing)
        return;
    const QString text = m_box->text();
    // The accept function may give the box a tool tip of its own, which must stay.
    m_editing = false;
    setInvalid(false);
    if (!m_accept(text)) {
        m_editing = true;
        setInvalid(true);
        return;
    }
    m_shown = m_box->text();
}

void ColorEntry::restore()
{
    if (!m_editing && !m_invalid)
        return;
    m_editing = false;
    setInvalid(false);
    m_box->setText(m_shown);
    m_box->setCursorPosition(0);
}

void ColorEntry::setInvalid(bool invalid)
{
    if (invalid == m_invalid)
        return;
    m_invalid = invalid;
    if (invalid) {
        m_toolTip = m_box->toolTip();
        m_description = m_box->accessibleDescription();
        m_box->setStyleSheet(QString::fromLatin1(kInvalidStyle));
        setNote(m_box, tr("No colour. This box accepts %1.").arg(m_accepted));
    } else {
        m_box->setStyleSheet(QString());
        m_box->setToolTip(m_toolTip);
        m_box->setAccessibleDescription(m_description);
    }
}

void ColorEntry::setTakenNote(const QString &note)
{
    // The box's own note comes back, unless the program has given it another one meanwhile.
    if (std::exchange(m_noted, false) && m_box->toolTip() == m_notedToolTip) {
        m_box->setToolTip(m_ownToolTip);
        m_box->setAccessibleDescription(m_ownDescription);
    }
    if (note.isEmpty())
        return;
    m_ownToolTip = m_box->toolTip();
    m_ownDescription = m_box->accessibleDescription();
    const auto after = [&note](const QString &own) {
        return own.isEmpty() ? note : own + u'\n' + note;
    };
    m_notedToolTip = after(m_ownToolTip);
    m_box->setToolTip(m_notedToolTip);
    m_box->setAccessibleDescription(after(m_ownDescription));
    m_noted = true;
}

QString acceptedNotations(Notation notation)
{
    QString own;
    switch (notation) {
    case Notation::Html:
        own = QObject::tr("an HTML Number (3399CC), ");
        break;
    case Notation::Rgb:
        own = QObject::tr("an RGB Number (51,153,204), ");
        break;
    case Notation::Decimal:
        own = QObject::tr("a Decimal Number (13408563), ");
        break;
    case Notation::Unambiguous:
    case Notation::Any:
        break;
    }
    return own
        + QObject::tr(
               "#RRGGBB, #RGB, rgb(r, g, b), hsl(h, s%, l%), any other colour of a "
               "style sheet (oklch(0.65 0.1 240), color: #1e90ff;), 0xRRGGBB or a colour name "
               "(steelblue)");
}

} // namespace Tintora
