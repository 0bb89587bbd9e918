#include "window/paneltoolbar.h"

#include "widgets/controls.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

#include <algorithm>

namespace Tintora {

namespace {

struct ButtonPicture
{
    const char *name;
    const char *toolTip;
};

// Button order: the index of each button names the panel it opens.
constexpr ButtonPicture kPictures[] = {
    {"qb", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "QB Colors")},
    {"pantone", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "Pantone")},
    {"rgb", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "RGB")},
    {"hex", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "Hex")},
    {"swatches", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "Swatches")},
    {"browser", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "Web Browser")},
    {"help", QT_TRANSLATE_NOOP("Tintora::PanelToolbar", "Help")},
};

// From files, so that the icon also takes the pictures drawn for the screen's scale (@2x, @3x).
QIcon badgeIcon(const char *name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/badge-%1.png").arg(QLatin1String(name)), {},
                 QIcon::Normal);
    icon.addFile(QStringLiteral(":/pictures/badge-%1-grey.png").arg(QLatin1String(name)), {},
                 QIcon::Disabled);
    return icon;
}

} // namespace

PanelToolbar::PanelToolbar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tlbFirst"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(0);

    int index = 0;
    for (const ButtonPicture &picture : kPictures) {
        ++index;
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("tlbFirstButton%1").arg(index));
        button->setCheckable(true);
        button->setIcon(badgeIcon(picture.name));
        button->setIconSize(QSize(50, 21));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setToolTip(tr(picture.toolTip));
        button->setAccessibleName(tr(picture.toolTip));
        button->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + index)));
        button->setFixedSize(57, 27);
        row->addWidget(button);
        m_buttons.push_back(button);
        // Every toggle, not only a click: a screen reader's "Toggle" action calls toggle(), which
        // emits no clicked.
        connect(button, &QToolButton::toggled, this, [this, index] { emit buttonClick(index); });
        button->installEventFilter(this);
    }
    row->addStretch();
}

bool PanelToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        // A toolbar key moves the focus into the panel it opens as Tab would: the focus shows.
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    } else if (event->type() == QEvent::EnabledChange) {
        auto *button = static_cast<QToolButton *>(watched);
        const auto name = [](std::size_t index) {
            return tr(kPictures[index].toolTip);
        };
        const auto own = std::find(m_buttons.begin(), m_buttons.end(), button) - m_buttons.begin();
        const auto open = std::find_if(m_buttons.begin(), m_buttons.end(),
                                       [](const QToolButton *other) { return other->isChecked(); })
            - m_buttons.begin();
        if (button->isEnabled() || open == buttonCount()) {
            setNote(button, QString());
            button->setToolTip(name(own));
        } else {
            setNote(button,
                    tr("Locked while the %1 panel is open: press %1 (%2) again to close it.")
                        .arg(name(open),
                             m_buttons.at(open)->shortcut().toString(QKeySequence::NativeText)));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PanelToolbar::raiseButton(int index)
{
    const QSignalBlocker blocker(button(index));
    button(index)->setChecked(false);
}

} // namespace Tintora
