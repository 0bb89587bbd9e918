#include "window/notationmenus.h"

#include "core/notationsource.h"
#include "tools/colordetailswindow.h"
#include "window/colortransfer.h"
#include "window/mainwindow.h"
#include "window/toolwindows.h"

#include <QCoreApplication>
#include <QMenu>

namespace Tintora {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Tintora::NotationMenus", text);
}

// After the Edit menu's own copies: the colour they copy in each notation of the colour window,
// with the profile and intent chosen there. The CMYK entry says why it has no numbers.
void addCopyAs(ColorTransfer &transfer, NotationSource &source)
{
    auto *copyAs = new QMenu(tr("Copy &As"), transfer.editMenu());
    copyAs->setObjectName(QStringLiteral("mnuEditCopyAs"));
    copyAs->setToolTipsVisible(true);
    QAction *cmyk = nullptr;
    for (int n = 0; n <= int(ColorNotation::Catalog); ++n) {
        const auto notation = ColorNotation(n);
        QAction *action = copyAs->addAction(
            notationRow(notation, kBlack).label, copyAs, [&transfer, &source, notation] {
                const std::optional<ColorValue> color = transfer.copiedColor();
                const QString text = color ? source.row(notation, *color).text : QString();
                if (!text.isEmpty())
                    transfer.copy(text, *color);
            });
        action->setObjectName(QStringLiteral("mnuEditCopyAs") + notationName(notation));
        if (notation == ColorNotation::Cmyk)
            cmyk = action;
    }
    QObject::connect(copyAs, &QMenu::aboutToShow, cmyk, [&transfer, &source, cmyk] {
        const NotationRow row
            = source.row(ColorNotation::Cmyk, transfer.copiedColor().value_or(kBlack));
        cmyk->setEnabled(!row.text.isEmpty());
        cmyk->setToolTip(row.text.isEmpty() ? row.note : QString());
    });
    transfer.addCopyMenu(copyAs);
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
                                 QObject::connect(details, &ColorDetailsWindow::colorCopied,
                                                  &window.colorTransfer(),
                                                  &ColorTransfer::colorCopied);
                                 details->showColor(window.currentColor());
                                 return details;
                             });
    addCopyAs(window.colorTransfer(), *source);
}

} // namespace Tintora
