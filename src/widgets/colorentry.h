#pragma once

#include "core/colorparser.h"

#include <QObject>
#include <QString>

#include <functional>

class QCompleter;
class QLineEdit;

namespace Tintora {

// Makes a read-out box take typing. Enter hands what was typed to the box's accept function;
// Escape, or leaving the box without Enter, puts back the text shown before. Text the accept
// function refuses changes nothing: the box keeps it, framed in red with a tool tip naming what
// it accepts, until the user corrects it or presses Escape. The box looks as before.
class ColorEntry : public QObject
{
    Q_OBJECT

public:
    using Accept = std::function<bool(const QString &text)>;

    using Take = std::function<bool(ColorValue)>;

    ColorEntry(QLineEdit *box, const QString &accepted, Accept accept);
    // A box that reads a colour in its notation and hands it on to take, which is false when
    // it has none to show; own, when given, first tries the text as the box's own number, and
    // ownAccepted names what it takes. When the colour taken is not quite the one typed, the
    // box's tool tip says so (see noteTaken).
    ColorEntry(QLineEdit *box, Notation notation, Take take, const QString &ownAccepted = {},
               Accept own = {});

    // Completes what the user types from a list; a completion counts as typed.
    void setCompleter(QCompleter *completer);

    // Adds to the box's tool tip, until the box shows another text or note, that the colour
    // taken from a text is not quite the one it gave: its alpha dropped, brought into sRGB.
    void noteTaken(const ParsedColor &parsed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void restore();
    void setInvalid(bool invalid);
    void setTakenNote(const QString &note);

    QLineEdit *m_box;
    QString m_accepted;
    Accept m_accept;
    QString m_shown; // the text the program last showed
    QString m_toolTip; // the box's own tool tip and description while it is marked invalid
    QString m_description;
    QString m_ownToolTip; // the box's own tool tip and description while a taken note shows
    QString m_ownDescription;
    QString m_notedToolTip; // the tool tip with the taken note
    bool m_noted = false;
    bool m_editing = false;
    bool m_userChange = false; // between a user's textEdited and its textChanged
    bool m_invalid = false;
};

// What a box of a notation accepts, for the tool tip of an invalid text.
QString acceptedNotations(Notation notation);

} // namespace Tintora
