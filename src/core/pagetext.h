#pragma once

#include <QByteArray>
#include <QString>

namespace Tintora {

// The longest sample the Web Browser panel takes, in characters: the text box slows down with
// length (about 0.2 s a key at this one), and the page holds at most ten bytes a character.
constexpr int kMaxSampleLength = 100'000;

struct PageStyle
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The sample as HTML text: &, <, > and " become character references and every other character
// outside ASCII a numeric character reference; a control character other than tab (C0, DEL and
// C1) or half a surrogate pair becomes the replacement mark's reference, &#65533;. The page thus
// shows what was typed or a replacement mark, and the file stays printable ASCII.
QByteArray escapeSampleText(const QString &sample);

// The footer written in place of an empty sample: maker, year and author, then the e-mail address.
QByteArray makerFooter();

// The preview page's text for a sample, its text and back colours as HTML Numbers, and its style.
// An empty sample gets the maker footer, written in the back colour.
QByteArray pageText(const QString &sample, const QString &foreHex, const QString &backHex,
                    PageStyle style);

// What the preview page file holds: the page text in double quotes, then CR LF.
QByteArray pageFileContent(const QByteArray &pageText);

} // namespace Tintora
