// The Edit menu: the open panel's colour to the clipboard, a colour from the clipboard or from
// the screen into the open panel.

#include "window/mainwindow.h"

#include "core/colorparser.h"
#include "core/portalcolorpicker.h"
#include "core/screenpicking.h"
#include "panels/panelinterface.h"
#include "widgets/controls.h"
#include "widgets/screenpicker.h"
#include "window/paneltoolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

namespace Tintora {

namespace {

// The panels that suit a colour best when none is open.
constexpr int kHexPanel = 4;
constexpr int kSwatchPanel = 5;

} // namespace

void MainWindow::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
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
             const Components c = splitColorValue(color);
             return rgbNumber(c.red, c.green, c.blue);
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
            if (QWidget *box = openColorBox())
                QGuiApplication::clipboard()->setText(format(backColor(box)));
        });
        action->setObjectName(QLatin1StringView(copy.name));
        m_copyActions.push_back(action);
    }
    edit->addSeparator();
    m_mnuEditPaste = edit->addAction(tr("&Paste"), QKeySequence::Paste, this, [this] {
        const std::optional<ColorValue> color
            = parseColor(QGuiApplication::clipboard()->text(), Notation::Any);
        if (color)
            giveColor(*color, kHexPanel);
        else
            QApplication::beep();
    });
    m_mnuEditPaste->setObjectName(QStringLiteral("mnuEditPaste"));
    edit->addSeparator();
    m_mnuEditPick = edit->addAction(tr("Pick Colour from Screen"),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this,
                                    &MainWindow::pickFromScreen);
    m_mnuEditPick->setObjectName(QStringLiteral("mnuEditPick"));

    const ScreenPickSupport support = screenPickSupport();
    m_pickMethod = support.method;
    if (m_pickMethod == ScreenPickMethod::None)
        m_mnuEditPick->setToolTip(support.reason);
    const auto pickedColor = [this](ColorValue color) {
        giveColor(color, kSwatchPanel);
    };
    const auto pickFailed = [this](const QString &message) {
        QMessageBox::warning(this, tr("Pick Colour from Screen"), message);
    };
    m_screenPicker = new ScreenPicker(this);
    connect(m_screenPicker, &ScreenPicker::picked, this, pickedColor);
    connect(m_screenPicker, &ScreenPicker::failed, this, pickFailed);
    // Only a desktop that offers its picker is asked; the bus is left alone otherwise.
    if (m_pickMethod == ScreenPickMethod::Portal) {
        m_portalPicker = new PortalColorPicker(this);
        connect(m_portalPicker, &PortalColorPicker::picked, this, pickedColor);
        connect(m_portalPicker, &PortalColorPicker::failed, this, pickFailed);
    }

    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEditMenu);
    connect(m_toolbar, &PanelToolbar::buttonClick, this, &MainWindow::updateEditMenu);
    updateEditMenu();
}

PanelInterface *MainWindow::openPanel() const
{
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        if (m_toolbar->button(index)->isChecked())
            return m_panels.at(index - 1);
    }
    return nullptr;
}

QWidget *MainWindow::openColorBox() const
{
    PanelInterface *panel = openPanel();
    return panel ? panel->colorBox() : nullptr;
}

void MainWindow::updateEditMenu()
{
    const bool hasColor = openColorBox() != nullptr;
    const bool takesColor = hasColor || !openPanel();
    for (QAction *action : m_copyActions)
        action->setEnabled(hasColor);
    m_mnuEditPaste->setEnabled(takesColor);
    m_mnuEditPick->setEnabled(takesColor && m_pickMethod != ScreenPickMethod::None);
}

void MainWindow::giveColor(ColorValue color, int suitedPanel)
{
    if (PanelInterface *panel = openPanel(); panel && panel->takeColor(color))
        return;
    // None open, or one that takes no colours (the Web Browser, the help): the suited panel opens
    // in its place, through the buttons as the user would.
    for (int index = 1; index <= m_toolbar->buttonCount(); ++index) {
        if (m_toolbar->button(index)->isChecked())
            m_toolbar->button(index)->click();
    }
    m_toolbar->button(suitedPanel)->click();
    m_panels.at(suitedPanel - 1)->takeColor(color);
}

void MainWindow::pickFromScreen()
{
    if (m_pickMethod == ScreenPickMethod::Portal) {
        // The desktop places its picker over the window that asked, where it can name it.
        const bool x11 = QGuiApplication::platformName() == QLatin1StringView("xcb");
        m_portalPicker->pick(x11 ? QStringLiteral("x11:%1").arg(winId(), 0, 16) : QString());
    } else if (m_pickMethod == ScreenPickMethod::Read) {
        // The grab waits until the menu that started it has let go of the mouse.
        QTimer::singleShot(0, m_screenPicker, &ScreenPicker::start);
    }
}

} // namespace Tintora
