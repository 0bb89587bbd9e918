#include "panels/browserpanel.h"

#include "browser/browserhost.h"
#include "core/pagefile.h"
#include "core/pagetext.h"
#include "panels/colorpanel.h"
#include "widgets/contrastreadout.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <QValidator>

#include <limits>

namespace Tintora {

namespace {

// Refuses a change that would make the sample longer than it may be, as a whole: a paste is
// taken entirely or not at all, so that the box never holds a text cut short.
class SampleLengthValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return input.size() <= kMaxSampleLength ? Acceptable : Invalid;
    }
};

} // namespace

BrowserPanel::BrowserPanel(const ColorSources &sources, const QString &browserPluginPath,
                           QWidget *parent)
    : Panel(QStringLiteral("FraBrowser"), tr("Web Browser"), 5175, parent)
{
    addAssignment("cmdPantone", tr("Pantone Color"), {120, 240, 1215, 375}, "lblWebPantone",
                  {1560, 360, 255, 135}, sources.pantone);
    addAssignment("cmdQB", tr("QB Color"), {120, 600, 1215, 375}, "lblWebQB", {1560, 720, 255, 135},
                  sources.qb);
    addAssignment("cmdSwatch", tr("Swatch Color"), {120, 960, 1215, 375}, "lblWebSwatch",
                  {1560, 1080, 255, 135}, sources.swatch);
    addAssignment("cmdRGB", tr("RGB Color"), {2160, 480, 1335, 375}, "lblWebRGB",
                  {3720, 600, 255, 135}, sources.rgb);
    addAssignment("cmdWebHtml", tr("HTML Color"), {2160, 840, 1335, 375}, "lblWebHtml",
                  {3720, 960, 255, 135}, sources.html);

    m_textColorBox = placeControl<QCheckBox>(this, QStringLiteral("chkFG"), {4440, 240, 1215, 255},
                                             tr("Text Color"));
    m_backColorBox = placeControl<QCheckBox>(this, QStringLiteral("chkBG"), {4440, 480, 1215, 255},
                                             tr("Back Color"));
    m_boldBox = placeControl<QCheckBox>(this, QStringLiteral("chkBold"), {4440, 840, 1215, 255},
                                        tr("Bold"));
    m_italicBox = placeControl<QCheckBox>(this, QStringLiteral("chkItalics"),
                                          {4440, 1080, 1215, 255}, tr("Italics"));
    m_underlineBox = placeControl<QCheckBox>(this, QStringLiteral("chkUnderline"),
                                             {4440, 1320, 1215, 255}, tr("Underline"));

    m_sample = placeControl<QLineEdit>(this, QStringLiteral("txtWebSample"), {120, 1680, 5535, 765},
                                       tr("Text Sample"));
    m_sample->setAccessibleName(tr("Sample text"));
    // The box's own limit would cut a long paste short without a word; the validator refuses it.
    m_sample->setMaxLength(std::numeric_limits<int>::max());
    m_sample->setValidator(new SampleLengthValidator(m_sample));
    connect(m_sample, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(
            m_sample->mapToGlobal(m_sample->rect().bottomLeft()),
            tr("Not taken: the sample holds at most %L1 characters.").arg(kMaxSampleLength),
            m_sample);
    });
    // In the free room between the middle buttons and the sample, which it describes.
    m_contrast = placeControl<ContrastReadout>(this, QStringLiteral("lblContrast"),
                                               {1920, 1230, 2460, 420});

    auto *writeButton
        = placeControl<QPushButton>(this, QStringLiteral("cmdWriteWeb"), {360, 2640, 3135, 375},
                                    tr("View Text Sample in Web Browser"));
    m_refreshButton = placeControl<QPushButton>(this, QStringLiteral("cmdRefresh"),
                                                {3600, 2640, 1695, 375}, tr("Refresh Web Page"));
    makeLabel(this, QStringLiteral("Label18"), tr("Browser is only linked to Webdask.html"),
              {1200, 3240, 2895, 255});

    m_browser = placeControl<BrowserHost>(this, QStringLiteral("brwVRN"), {120, 3600, 5535, 1335},
                                          browserPluginPath);
    m_browser->setAccessibleName(tr("Web page preview"));

    // The boxes react to their state, so a value set by the program (Reset) runs the same
    // handling as a click, and only when the value really changes.
    connect(m_textColorBox, &QCheckBox::toggled, this, [this](bool checked) {
        setSampleColors(checked ? m_assigned.value_or(kBlack) : kBlack, m_backColor);
    });
    connect(m_backColorBox, &QCheckBox::toggled, this, [this](bool checked) {
        setSampleColors(m_textColor, checked ? m_assigned.value_or(kBlack) : kWhite);
    });
    for (QCheckBox *box : {m_boldBox, m_italicBox, m_underlineBox})
        connect(box, &QCheckBox::toggled, this, &BrowserPanel::showSampleStyle);
    connect(writeButton, &QPushButton::clicked, this, &BrowserPanel::writePage);
    connect(m_refreshButton, &QPushButton::clicked, m_browser, &BrowserHost::reload);
}

void BrowserPanel::addAssignment(const char *name, const QString &caption, QRect buttonTwips,
                                 const char *chipName, QRect chipTwips, ColorPanel *source)
{
    auto *button = placeControl<QPushButton>(this, QLatin1StringView(name), buttonTwips, caption);

    QLabel *chip = makeLabel(this, QLatin1StringView(chipName), QString(), chipTwips);
    chip->setAccessibleName(tr("%1 patch").arg(caption));
    chip->setFrameStyle(QFrame::Box | QFrame::Plain);
    chip->setAutoFillBackground(true);
    setBackColor(chip, kBlack);

    // The colour changes nothing on the sample until a colour box is ticked again.
    connect(button, &QPushButton::clicked, this, [this, source, chip] {
        m_assigned = source->color();
        setBackColor(chip, *m_assigned);
        emit colorAssigned();
    });
    m_assignments.push_back({source, chip});
}

void BrowserPanel::setPage(const QString &pagePath)
{
    m_pagePath = pagePath;
    m_browser->navigate(pagePath);
}

void BrowserPanel::preloadBrowser()
{
    m_browser->preload();
}

void BrowserPanel::opened()
{
    for (const Assignment &assignment : m_assignments)
        setBackColor(assignment.chip, assignment.source->color());
    // Starting the browser takes a few hundred milliseconds the first time: let the panel paint
    // first.
    QMetaObject::invokeMethod(m_browser, &BrowserHost::activate, Qt::QueuedConnection);
}

void BrowserPanel::reset()
{
    // A box that was checked runs its handling as it goes off.
    for (QCheckBox *box : {m_textColorBox, m_backColorBox, m_boldBox, m_italicBox, m_underlineBox})
        box->setChecked(false);
    m_assigned.reset();
    setSampleColors(kBlack, kWhite);
    for (const Assignment &assignment : m_assignments)
        setBackColor(assignment.chip, kBlack);
}

void BrowserPanel::setSampleColors(ColorValue text, ColorValue back)
{
    m_textColor = text;
    m_backColor = back;
    setForeColor(m_sample, text);
    setBackColor(m_sample, back);
    m_contrast->showContrast(text, back);
    emit sampleColorsChanged(text, back);
}

void BrowserPanel::showSampleStyle()
{
    QFont font = m_sample->font();
    font.setBold(m_boldBox->isChecked());
    font.setItalic(m_italicBox->isChecked());
    font.setUnderline(m_underlineBox->isChecked());
    m_sample->setFont(font);
}

void BrowserPanel::writePage()
{
    m_refreshButton->setEnabled(false);
    const PageStyle style {m_boldBox->isChecked(), m_italicBox->isChecked(),
                           m_underlineBox->isChecked()};
    const QByteArray page
        = pageText(m_sample->text(), htmlNumber(m_textColor), htmlNumber(m_backColor), style);
    if (const int error = replaceFile(m_pagePath, pageFileContent(page))) {
        reportWriteFailure(error);
        return;
    }
    m_browser->reload();
    m_refreshButton->setEnabled(true);
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
