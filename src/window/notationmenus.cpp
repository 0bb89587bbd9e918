#include "window/notationmenus.h"

#include "core/notationsource.h"
#include "tools/colordetailswindow.h"
#include "window/colortransfer.h"
#include "window/mainwindow.h"
#include "window/toolwindows.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

namespace Tintora {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Tintora::NotationMenus", text);
}

// After the Edit menu's own entries: the open panel's colour in each notation of the colour
// window, with the profile and intent chosen there. The CMYK entry says why it has no numbers.
void addCopyAs(MainWindow &window, NotationSource &source)
{
    QMenu *edit = window.colorTransfer().editMenu();
    edit->addSeparator();
    QMenu *copyAs = edit->addMenu(tr("Copy &As"));
    copyAs->setObjectName(QStringLiteral("mnuEditCopyAs"));
    copyAs->setToolTipsVisible(true);
    QAction *cmyk = nullptr;
    for (int n = 0; n <= int(ColorNotation::Catalog); ++n) {
        const auto notation = ColorNotation(n);
        QAction *action = copyAs->addAction(
            notationRow(notation, kBlack).label, copyAs, [&window, &source, notation] {
                const std::optional<ColorValue> color = window.currentColor();
                const QString text = color ? source.row(notation, *color).text : QString();
                if (!text.isEmpty())
                    QGuiApplication::clipboard()->setText(text);
            });
        action->setObjectName(QStringLiteral("mnuEditCopyAs") + notationName(notation));
        if (notation == ColorNotation::Cmyk)
            cmyk = action;
    }
    QObject::connect(copyAs, &QMenu::aboutToShow, cmyk, [&window, &source, cmyk] {
        const NotationRow row
            = source.row(ColorNotation::Cmyk, window.currentColor().value_or(kBlack));
        cmyk->setEnabled(!row.text.isEmpty());
        cmyk->setToolTip(row.text.isEmpty() ? row.note : QString());
    });
    const auto follow = [copyAs](std::optional<ColorValue> color) {
        copyAs->menuAction()->setEnabled(color.has_value());
    };
    QObject::connect(&window, &MainWindow::currentColorChanged, copyAs, follow);
    follow(window.currentColor());
}

} // namespace

void addNotationMenus(MainWindow &window, std::function<CatalogNames()> catalog)
{
    auto *source = new NotationSource(std::move(catalog), profileFolders(), &window);
    window.toolWindows().add("mnuViewColorDetails", tr("Colour &Details"),
                             QKeySequence(Qt::CTRL | Qt::Key_I), [&window, source] {
                                 auto *details = new ColorDetailsWindow(*source, &window);
                                 QObject::connect(&window, &MainWindow::currentColorChanged,
                                                  details, &ColorDetailsWindow::showColor);
                                 details->showColor(window.currentColor());
                                 return details;
                             });
    addCopyAs(window, *source);
}

} // namespace Tintora
