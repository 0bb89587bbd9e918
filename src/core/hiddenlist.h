#pragma once

#include <QObject>
#include <QStringList>

namespace Tintora {

// An invisible list used as a table of texts: entries indexed from 0, a selected index (-1 for
// none) and the text of the selected entry. The window keeps its lookup tables in these: the
// hexadecimal table, the four catalogue lists and the list of the numbers 0 to 255.
class HiddenList : public QObject
{
    Q_OBJECT

public:
    explicit HiddenList(const QString &name, QObject *parent = nullptr);

    void clear();
    void addItem(const QString &text);
    void setItems(QStringList items);

    qsizetype count() const { return m_items.size(); }
    const QStringList &items() const { return m_items; }
    QString item(qsizetype index) const { return m_items.value(index); }

    int currentIndex() const { return m_current; }
    QString currentText() const { return m_current < 0 ? QString() : m_items.at(m_current); }
    // The same text without a copy; valid until the list changes.
    QStringView currentTextView() const { return textAt(m_current); }

    // Selects an entry, or none with -1. An index outside the list is refused: the selection
    // stays as it was and the result is false.
    bool setCurrentIndex(int index);

signals:
    // Emitted when the selected entry's text changes.
    void currentTextChanged(const QString &text);

protected:
    void connectNotify(const QMetaMethod &signal) override;
    void disconnectNotify(const QMetaMethod &signal) override;

private:
    QStringView textAt(int index) const
    {
        return index < 0 ? QStringView() : QStringView(m_items.at(index));
    }

    QStringList m_items;
    int m_current = -1;
    // Connections to currentTextChanged; never fewer than there are.
    int m_textListeners = 0;
};

} // namespace Tintora
