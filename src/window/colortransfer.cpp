#include "window/colortransfer.h"

#include "core/colorparser.h"
#include "core/portalcolorpicker.h"
#include "panels/browserpanel.h"
#include "panels/colorpanel.h"
#include "widgets/screenpicker.h"
#include "window/mainwindow.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace Tintora {

ColorTransfer::ColorTransfer(MainWindow &window, BrowserPanel &browser, ColorPanel &pasteTarget,
                             ColorPanel &pickTarget)
    : QObject(&window)
    , m_window(window)
    , m_pasteTarget(pasteTarget)
    , m_pickTarget(pickTarget)
{
    buildEditMenu();

    const ScreenPickSupport support = screenPickSupport();
    m_pickMethod = support.method;
    if (m_pickMethod == ScreenPickMethod::None) {
        m_pickRefusal = support.reason;
        m_pickAction->setToolTip(m_pickRefusal);
    }
    const auto picked = [this](ColorValue color) {
        if (const auto take = std::exchange(m_pickTake, {}))
            take(color);
        else
            giveColor(color, m_pickTarget);
    };
    const auto pickFailed = [this](const QString &message) {
        m_pickTake = {};
        QMessageBox::warning(&m_window, tr("Pick Colour from Screen"), message);
    };
    m_screenPicker = new ScreenPicker(&window);
    connect(m_screenPicker, &ScreenPicker::picked, this, picked);
    connect(m_screenPicker, &ScreenPicker::failed, this, pickFailed);
    connect(m_screenPicker, &ScreenPicker::cancelled, this, [this] { m_pickTake = {}; });
    // Only a desktop that offers its picker is asked; the bus is left alone otherwise.
    if (m_pickMethod == ScreenPickMethod::Portal) {
        m_portalPicker = new PortalColorPicker(this);
        connect(m_portalPicker, &PortalColorPicker::picked, this, picked);
        connect(m_portalPicker, &PortalColorPicker::failed, this, pickFailed);
        connect(m_portalPicker, &PortalColorPicker::cancelled, this, [this] { m_pickTake = {}; });
    }

    // The entries follow the open panel, so that their keys do nothing where they have nothing to
    // do.
    connect(m_window.toolbar(), &PanelToolbar::buttonClick, this, &ColorTransfer::updateActions);
    connect(&browser, &BrowserPanel::colorAssigned, this, &ColorTransfer::updateActions);
    updateActions();
}

void ColorTransfer::buildEditMenu()
{
    QMenu *edit = m_editMenu = m_window.menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->setToolTipsVisible(true);
    const struct
    {
        const char *name;
        QString text;
        QKeySequence keys;
        QString (*format)(ColorValue);
    } copies[] = {
        {"mnuEditCopy", tr("&Copy"), QKeySequence::Copy, htmlNumber},
        {"mnuEditCopyHash",
         tr("Copy as #RRGGBB"),
         {},
         [](ColorValue color) {
             return QLatin1Char('#') + htmlNumber(color);
         }},
        {"mnuEditCopyCss",
         tr("Copy as rgb()"),
         {},
         [](ColorValue color) {
             const Components c = splitColorValue(color);
             return QStringLiteral("rgb(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue);
         }},
        {"mnuEditCopyRgb",
         tr("Copy RGB Number"),
         {},
         [](ColorValue color) {
             return colorNumbers(color).rgb;
         }},
        {"mnuEditCopyDecimal",
         tr("Copy Decimal Number"),
         {},
         [](ColorValue color) {
             return QString::number(color);
         }},
    };
    for (const auto &copy : copies) {
        QAction *action = edit->addAction(copy.text, copy.keys, this, [this, format = copy.format] {
            if (const std::optional<ColorValue> color = copiedColor())
                this->copy(format(*color), *color);
        });
        action->setObjectName(QLatin1StringView(copy.name));
        m_copyActions.push_back(action);
    }
    m_copiesEnd = edit->addSeparator();
    m_pasteAction = edit->addAction(tr("&Paste"), QKeySequence::Paste, this, &ColorTransfer::paste);
    m_pasteAction->setObjectName(QStringLiteral("mnuEditPaste"));
    edit->addSeparator();
    m_pickAction = edit->addAction(tr("Pick Colour from Screen"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this,
                                   [this] { pickFromScreen({}); });
    m_pickAction->setObjectName(QStringLiteral("mnuEditPick"));
    connect(edit, &QMenu::aboutToShow, this, &ColorTransfer::updateActions);
}

std::optional<ColorValue> ColorTransfer::copiedColor() const
{
    if (const auto *browser = qobject_cast<const BrowserPanel *>(m_window.openPanel()))
        return browser->assignedColor();
    return m_window.currentColor();
}

void ColorTransfer::updateActions()
{
    const bool hasColor = m_window.currentColor().has_value();
    const bool takesColor = hasColor || !m_window.openPanel();
    for (QAction *action : m_copyActions)
        action->setEnabled(copiedColor().has_value());
    m_pasteAction->setEnabled(takesColor);
    m_pickAction->setEnabled(takesColor && m_pickMethod != ScreenPickMethod::None);
}

void ColorTransfer::giveColor(ColorValue color, ColorPanel &suited)
{
    if (auto *panel = qobject_cast<ColorPanel *>(m_window.openPanel());
        panel && panel->takeColor(color)) {
        emit colorGiven(color);
        return;
    }
    // None open, or one that takes no colours (the Web Browser, the help): the suited panel opens
    // in its place, through the buttons as the user would.
    m_window.openInPlace(suited);
    suited.takeColor(color);
    emit colorGiven(color);
}

void ColorTransfer::paste()
{
    const std::optional<ParsedColor> parsed
        = parseColorText(QGuiApplication::clipboard()->text(), Notation::Any);
    if (!parsed) {
        QApplication::beep();
        return;
    }
    giveColor(parsed->color, m_pasteTarget);
    if (auto *panel = qobject_cast<ColorPanel *>(m_window.openPanel()))
        panel->noteTaken(*parsed);
}

void ColorTransfer::copy(const QString &text, ColorValue color)
{
    QGuiApplication::clipboard()->setText(text);
    emit colorCopied(color);
}

void ColorTransfer::addCopyMenu(QMenu *menu)
{
    m_editMenu->insertMenu(m_copiesEnd, menu);
    m_copyActions.push_back(menu->menuAction());
    updateActions();
}

void ColorTransfer::pickFromScreen(std::function<void(ColorValue)> take)
{
    // A second request while one is under way would send the first pick's colour to it.
    if (m_screenPicker->isPicking() || (m_portalPicker && m_portalPicker->isPicking()))
        return;
    m_pickTake = std::move(take);
    if (m_pickMethod == ScreenPickMethod::Portal) {
        // The desktop places its picker over the window that asked, where it can name it.
        const bool x11 = QGuiApplication::platformName() == QLatin1StringView("xcb");
        m_portalPicker->pick(x11 ? QStringLiteral("x11:%1").arg(m_window.winId(), 0, 16)
                                 : QString());
    } else if (m_pickMethod == ScreenPickMethod::Read) {
        // The grab waits until the menu that started it has let go of the mouse.
        QTimer::singleShot(0, m_screenPicker, &ScreenPicker::start);
    }
}

} // namespace Tintora
