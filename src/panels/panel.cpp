#include "panels/panel.h"

#include "widgets/controls.h"

namespace Tintora {

Panel::Panel(const QString &name, const QString &caption, int openHeight, QWidget *parent,
             int topTwips)
    : QGroupBox(caption, parent)
    , m_openHeight(openHeight)
{
    setObjectName(name);
    setGeometry(twipsRect({120, topTwips, 5775, 0}));
    hide();
}

} // namespace Tintora
