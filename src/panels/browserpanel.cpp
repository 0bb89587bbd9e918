#include "panels/browserpanel.h"

#include "core/formstate.h"
#include "core/pagefile.h"
#include "core/pagetext.h"
#include "widgets/browserhost.h"
#include "widgets/contrastreadout.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace Tintora {

BrowserPanel::BrowserPanel(FormState &state, const ColorSources &sources,
                           const QString &browserPluginPath, QWidget *parent)
    : QGroupBox(tr("Web Browser"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("FraBrowser"));

    placePanel(this);

    lblWebPantone = addAssignment(QStringLiteral("cmdPantone"), tr("Pantone Color"),
                                  twipsRect(120, 240, 1215, 375), QStringLiteral("lblWebPantone"),
                                  twipsRect(1560, 360, 255, 135), sources.pantone);
    lblWebQB
        = addAssignment(QStringLiteral("cmdQB"), tr("QB Color"), twipsRect(120, 600, 1215, 375),
                        QStringLiteral("lblWebQB"), twipsRect(1560, 720, 255, 135), sources.qb);
    lblWebSwatch = addAssignment(QStringLiteral("cmdSwatch"), tr("Swatch Color"),
                                 twipsRect(120, 960, 1215, 375), QStringLiteral("lblWebSwatch"),
                                 twipsRect(1560, 1080, 255, 135), sources.swatch);
    lblWebRGB
        = addAssignment(QStringLiteral("cmdRGB"), tr("RGB Color"), twipsRect(2160, 480, 1335, 375),
                        QStringLiteral("lblWebRGB"), twipsRect(3720, 600, 255, 135), sources.rgb);
    lblWebHtml = addAssignment(QStringLiteral("cmdWebHtml"), tr("HTML Color"),
                               twipsRect(2160, 840, 1335, 375), QStringLiteral("lblWebHtml"),
                               twipsRect(3720, 960, 255, 135), sources.html);

    chkFG = addCheckBox(QStringLiteral("chkFG"), tr("Text Color"), twipsRect(4440, 240, 1215, 255));
    chkBG = addCheckBox(QStringLiteral("chkBG"), tr("Back Color"), twipsRect(4440, 480, 1215, 255));
    chkBold = addCheckBox(QStringLiteral("chkBold"), tr("Bold"), twipsRect(4440, 840, 1215, 255));
    chkItalics = addCheckBox(QStringLiteral("chkItalics"), tr("Italics"),
                             twipsRect(4440, 1080, 1215, 255));
    chkUnderline = addCheckBox(QStringLiteral("chkUnderline"), tr("Underline"),
                               twipsRect(4440, 1320, 1215, 255));

    txtWebSample = new QLineEdit(tr("Text Sample"), this);
    txtWebSample->setObjectName(QStringLiteral("txtWebSample"));
    txtWebSample->setGeometry(twipsRect(120, 1680, 5535, 765));
    txtWebSample->setAccessibleName(tr("Sample text"));
    // In the free room between the middle buttons and the sample, which it describes.
    auto *contrast = new ContrastReadout(txtWebSample, this);
    contrast->setObjectName(QStringLiteral("lblContrast"));
    contrast->setGeometry(twipsRect(1920, 1230, 2460, 420));

    auto *cmdWriteWeb = new QPushButton(tr("View Text Sample in Web Browser"), this);
    cmdWriteWeb->setObjectName(QStringLiteral("cmdWriteWeb"));
    cmdWriteWeb->setGeometry(twipsRect(360, 2640, 3135, 375));
    cmdRefresh = new QPushButton(tr("Refresh Web Page"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    cmdRefresh->setGeometry(twipsRect(3600, 2640, 1695, 375));
    makeLabel(this, QStringLiteral("Label18"), tr("Browser is only linked to Webdask.html"),
              twipsRect(1200, 3240, 2895, 255));

    brwVRN = new BrowserHost(browserPluginPath, this);
    brwVRN->setObjectName(QStringLiteral("brwVRN"));
    brwVRN->setGeometry(twipsRect(120, 3600, 5535, 1335));
    brwVRN->setAccessibleName(tr("Web page preview"));

    // The boxes react to their state, so a value set by the program (Reset) runs the same
    // handling as a click, and only when the value really changes.
    connect(chkFG, &QCheckBox::toggled, this, &BrowserPanel::chkFG_Click);
    connect(chkBG, &QCheckBox::toggled, this, &BrowserPanel::chkBG_Click);
    connect(chkBold, &QCheckBox::toggled, this,
            [this] { toggleFontAttribute(&QFont::setBold, &QFont::bold); });
    connect(chkItalics, &QCheckBox::toggled, this,
            [this] { toggleFontAttribute(&QFont::setItalic, &QFont::italic); });
    connect(chkUnderline, &QCheckBox::toggled, this,
            [this] { toggleFontAttribute(&QFont::setUnderline, &QFont::underline); });
    connect(cmdWriteWeb, &QPushButton::clicked, this, &BrowserPanel::cmdWriteWeb_Click);
    connect(cmdRefresh, &QPushButton::clicked, brwVRN, &BrowserHost::reload);
}

QLabel *BrowserPanel::addAssignment(const QString &name, const QString &caption,
                                    QRect buttonGeometry, const QString &chipName,
                                    QRect chipGeometry, QWidget *source)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(buttonGeometry);

    QLabel *chip = makeLabel(this, chipName, QString(), chipGeometry);
    chip->setAccessibleName(tr("%1 patch").arg(caption));
    chip->setFrameStyle(QFrame::Box | QFrame::Plain);
    chip->setAutoFillBackground(true);

    connect(button, &QPushButton::clicked, this, [this, source, chip] {
        setBackColor(chip, backColor(source));
        m_state.varWebColor = backColor(source);
    });
    m_assignments.push_back({source, chip});
    return chip;
}

QCheckBox *BrowserPanel::addCheckBox(const QString &name, const QString &caption, QRect geometry)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

void BrowserPanel::navigate(const QString &pagePath)
{
    brwVRN->navigate(pagePath);
}

void BrowserPanel::preloadBrowser()
{
    brwVRN->preload();
}

void BrowserPanel::opened()
{
    // Each chip takes the colour its assignment button would assign now.
    for (const Assignment &assignment : m_assignments)
        setBackColor(assignment.chip, backColor(assignment.source));
    // Starting the browser takes a few hundred milliseconds the first time: let the panel paint
    // first.
    QMetaObject::invokeMethod(brwVRN, &BrowserHost::activate, Qt::QueuedConnection);
}

void BrowserPanel::setStartValues()
{
    setForeColor(txtWebSample, kBlack);
    setBackColor(txtWebSample, kWhite);
    for (QLabel *chip : {lblWebHtml, lblWebPantone, lblWebQB, lblWebRGB, lblWebSwatch})
        setBackColor(chip, kBlack);
}

void BrowserPanel::reset()
{
    // A box that was checked runs its handling as it goes off.
    for (QCheckBox *box : {chkFG, chkBG, chkBold, chkItalics, chkUnderline})
        box->setChecked(false);
}

void BrowserPanel::chkFG_Click()
{
    if (!m_state.varWebColor)
        m_state.varWebColor = kBlack;
    setForeColor(txtWebSample, chkFG->isChecked() ? *m_state.varWebColor : kBlack);
}

void BrowserPanel::chkBG_Click()
{
    if (!m_state.varWebColor)
        m_state.varWebColor = kBlack;
    setBackColor(txtWebSample, chkBG->isChecked() ? *m_state.varWebColor : kWhite);
}

void BrowserPanel::toggleFontAttribute(void (QFont::*setter)(bool), bool (QFont::*getter)() const)
{
    QFont font = txtWebSample->font();
    (font.*setter)(!(font.*getter)());
    txtWebSample->setFont(font);
}

void BrowserPanel::cmdWriteWeb_Click()
{
    cmdRefresh->setEnabled(false);
    const QString sample = txtWebSample->text();
    const PageStyle style {chkBold->checkState() != Qt::Unchecked,
                           chkItalics->checkState() != Qt::Unchecked,
                           chkUnderline->checkState() != Qt::Unchecked};
    m_state.varDecimal = foreColor(txtWebSample);
    m_state.DecimalToRGB();
    const QString foreHex = m_state.strHexColor;
    m_state.varDecimal = backColor(txtWebSample);
    m_state.DecimalToRGB();
    const QString backHex = m_state.strHexColor;
    const QByteArray page = pageText(sample, foreHex, backHex, style);

    // The page the browser shows, which start-up chose.
    if (const int error = replaceFile(m_state.strWebPage, pageFileContent(page))) {
        reportWriteFailure(error);
        return;
    }
    brwVRN->reload();
    cmdRefresh->setEnabled(true);
}

void BrowserPanel::reportWriteFailure(int errorNumber)
{
    QMessageBox(QMessageBox::NoIcon, tr("Tintora Conversions"), QString::number(errorNumber),
                QMessageBox::Ok, this)
        .exec();
    if (errorNumber == FileNotFound)
        QMessageBox::critical(this, tr("Missing File"),
                              tr("A file is missing from the Webdask Folder."));
}

} // namespace Tintora
