#include "core/hiddenlist.h"

#include <QMetaMethod>

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
    const int before = m_current;
    m_current = index;
    // Most lists, like the hex table that every colour change goes through, have no listener:
    // then neither the comparison nor the copy of the text for the signal is needed. The texts
    // are compared where they stand in the list.
    if (m_textListeners > 0 && textAt(before) != textAt(index))
        emit currentTextChanged(currentText());
    return true;
}

void HiddenList::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&HiddenList::currentTextChanged))
        ++m_textListeners;
}

void HiddenList::disconnectNotify(const QMetaMethod &signal)
{
    // Disconnecting everything names no signal: the count then stays too high, which costs no
    // more than an emission that nobody receives.
    if (signal == QMetaMethod::fromSignal(&HiddenList::currentTextChanged) && m_textListeners > 0)
        --m_textListeners;
}

} // namespace Tintora
