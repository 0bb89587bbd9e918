#include "core/formstate.h"

#include <QVarLengthArray>

#include <algorithm>

namespace Tintora {

FormState::FormState(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("formState"));
}

void FormState::FillHexTable()
{
    QStringList texts;
    texts.reserve(256);
    for (int i = 0; i < 256; ++i)
        texts.append(QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper());
    cboHtml.setItems(std::move(texts));
    cboHtml.setCurrentIndex(0);
}

void FormState::DecimalToRGB()
{
    Q_ASSERT(cboHtml.count() == 256);
    const Components c = splitColorValue(varDecimal);
    intBlue = c.blue;
    intGreen = c.green;
    intRed = c.red;

    // Every component lies in 0..255 here, so each lookup finds its entry. Every colour change
    // comes through here, so the number is gathered on the stack and written over the previous
    // one where nobody else holds a copy of it: usually no allocation at all.
    QVarLengthArray<QChar, 8> digits;
    for (const qint16 component : {intRed, intGreen, intBlue}) {
        cboHtml.setCurrentIndex(component);
        for (const QChar digit : cboHtml.currentTextView())
            digits.append(digit);
    }
    strHexColor.resize(digits.size());
    std::copy(digits.cbegin(), digits.cend(), strHexColor.data());
}

} // namespace Tintora
