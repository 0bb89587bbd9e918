#include "color/hiddenlist.h"

namespace Tintora {

HiddenList::HiddenList(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
}

void HiddenList::clear()
{
    m_items.clear();
    setCurrentIndex(-1);
}

void HiddenList::addItem(const QString &text)
{
    m_items.append(text);
}

void HiddenList::setItems(QStringList items)
{
    setCurrentIndex(-1);
    m_items = std::move(items);
}

bool HiddenList::setCurrentIndex(int index)
{
    if (index < -1 || index >= m_items.size())
        return false;
    if (index == m_current)
        return true;
    const QString before = currentText();
    m_current = index;
    if (currentText() != before)
        emit currentTextChanged(currentText());
    return true;
}

} // namespace Tintora
