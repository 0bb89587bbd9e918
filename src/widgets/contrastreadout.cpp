#include "widgets/contrastreadout.h"

#include "core/contrast.h"

namespace Tintora {

namespace {

// A level passes for all text, for large text only, or not at all.
QString levelVerdict(bool normal, bool large)
{
    if (normal)
        return ContrastReadout::tr("pass");
    return large ? ContrastReadout::tr("large only") : ContrastReadout::tr("fail");
}

QString passes(bool passed)
{
    return passed ? ContrastReadout::tr("passes") : ContrastReadout::tr("fails");
}

} // namespace

ContrastReadout::ContrastReadout(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // Selectable from the keyboard, which also puts it in the Tab order: a screen reader announces
    // it when it gets the focus, and its text can be copied.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAccessibleName(tr("Contrast of the sample text"));
    showContrast(kBlack, kWhite);
}

void ContrastReadout::showContrast(ColorValue text, ColorValue back)
{
    const Contrast contrast = contrastOf(text, back);
    const QString ratio = ratioText(contrast.ratio);
    setText(tr("Contrast %1\nAA %2 · AAA %3")
                .arg(ratio, levelVerdict(contrast.aaNormal, contrast.aaLarge),
                     levelVerdict(contrast.aaaNormal, contrast.aaaLarge)));
    setAccessibleDescription(
        tr("%1. Level AA: normal text %2, large text %3. Level AAA: normal text %4, large text %5.")
            .arg(ratio, passes(contrast.aaNormal), passes(contrast.aaLarge),
                 passes(contrast.aaaNormal), passes(contrast.aaaLarge)));
}

} // namespace Tintora
