#pragma once

#include <QString>

namespace Tintora {

constexpr int kHelpTopicCount = 8;
constexpr int kContactTopic = 7;

// Caption of the option button of a help topic, index 0 to 7 ("How it works" ... "Contact").
QString helpTopicCaption(int index);

// The text of a help topic, lines joined by CR LF; empty for an index outside 0 to 7.
QString helpTopicText(int index);

// The help panel's title: the window caption and what the program is.
inline QString aboutTitle()
{
    return QStringLiteral("Tintora Systems Management\r\nColor Conversions Utility.");
}

} // namespace Tintora
