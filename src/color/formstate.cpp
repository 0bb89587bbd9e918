#include "color/formstate.h"

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

    // Every component lies in 0..255 here, so each lookup finds its entry.
    cboHtml.setCurrentIndex(intRed);
    strHexColor = cboHtml.currentText();
    cboHtml.setCurrentIndex(intGreen);
    strHexColor += cboHtml.currentText();
    cboHtml.setCurrentIndex(intBlue);
    strHexColor += cboHtml.currentText();
}

} // namespace Tintora
