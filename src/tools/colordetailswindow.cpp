#include "tools/colordetailswindow.h"

#include "core/notationsource.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace Tintora {

namespace {

// Samples of the longest text and note, which the columns are made wide enough for.
const char kLongestText[] = "oklab(100% -0.00000 -0.00000)";
const char kLongestNote[] = "out of gamut, round trip ΔE 00.0";

} // namespace

ColorDetailsWindow::ColorDetailsWindow(NotationSource &source, QWidget *mainWindow)
    : ToolWindow(QStringLiteral("frmColorDetails"), tr("Colour Details"), mainWindow)
    , m_source(source)
{
    auto *layout = new QVBoxLayout(this);
    m_noColor = new QLabel(tr("No colour panel is open: open one to see its colour here."), this);
    m_noColor->setObjectName(QStringLiteral("lblNoColor"));
    m_noColor->setWordWrap(true);
    layout->addWidget(m_noColor);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    for (int n = 0; n <= int(ColorNotation::Catalog); ++n) {
        const auto notation = ColorNotation(n);
        const QString name = notationName(notation);
        const QString label = notationRow(notation, kBlack).label;
        auto *caption = new QLabel(label, this);
        auto *text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("txtNotation") + name);
        text->setReadOnly(true);
        text->setAccessibleName(label);
        // With room for the frame and the cursor at each end.
        text->setMinimumWidth(
            text->fontMetrics().horizontalAdvance(QString::fromUtf8(kLongestText))
            + 4 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, text));
        caption->setBuddy(text);
        auto *note = new QLabel(this);
        note->setObjectName(QStringLiteral("lblNote") + name);
        note->setWordWrap(true);
        note->setMinimumWidth(
            note->fontMetrics().horizontalAdvance(QString::fromUtf8(kLongestNote)));
        auto *copy = new QPushButton(tr("Copy"), this);
        copy->setObjectName(QStringLiteral("cmdCopy") + name);
        copy->setAccessibleName(tr("Copy %1").arg(label));
        connect(copy, &QPushButton::clicked, this, [this, n] {
            QGuiApplication::clipboard()->setText(m_rows.at(n).text);
            emit colorCopied(*m_color);
        });
        grid->addWidget(caption, n, 0);
        grid->addWidget(text, n, 1);
        grid->addWidget(note, n, 2);
        grid->addWidget(copy, n, 3);
        m_widgets.push_back({text, note, copy});
    }
    grid->setColumnStretch(2, 1);
    addCmykChoice(layout);
    connect(&m_source, &NotationSource::cmykChanged, this, &ColorDetailsWindow::showRows);
}

void ColorDetailsWindow::addCmykChoice(QVBoxLayout *layout)
{
    auto *form = new QFormLayout;
    layout->addLayout(form);

    auto *profiles = new QComboBox(this);
    profiles->setObjectName(QStringLiteral("cboCmykProfile"));
    const CmykProfileScan &scan = m_source.profiles();
    for (const CmykProfile &profile : scan.profiles)
        profiles->addItem(profile.description);
    profiles->setEnabled(!scan.profiles.isEmpty());
    profiles->setCurrentIndex(m_source.profileIndex());
    // The files left out are told where the choice is made.
    const QString skipped
        = scan.problems.isEmpty() ? QString() : tr("Left out:\n%1").arg(scan.problems.join(u'\n'));
    profiles->setToolTip(skipped);
    profiles->setAccessibleName(tr("CMYK profile"));
    profiles->setAccessibleDescription(skipped);
    form->addRow(tr("CMYK &profile:"), profiles);

    auto *intents = new QComboBox(this);
    intents->setObjectName(QStringLiteral("cboRenderingIntent"));
    intents->setAccessibleName(tr("Rendering intent"));
    // In the order of RenderingIntent.
    intents->addItems({tr("Perceptual"), tr("Relative colorimetric"), tr("Saturation"),
                       tr("Absolute colorimetric")});
    intents->setCurrentIndex(int(m_source.intent()));
    intents->setEnabled(!scan.profiles.isEmpty());
    form->addRow(tr("Rendering &intent:"), intents);

    connect(profiles, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_source.chooseCmyk(index, m_source.intent()); });
    connect(intents, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_source.chooseCmyk(m_source.profileIndex(), RenderingIntent(index));
    });
}

void ColorDetailsWindow::showColor(std::optional<ColorValue> color)
{
    m_color = color;
    // A closed window follows the colour without working out its rows (CMYK, the nearest entry).
    if (isVisible())
        showRows();
}

void ColorDetailsWindow::showEvent(QShowEvent *event)
{
    showRows();
    ToolWindow::showEvent(event);
}

void ColorDetailsWindow::showRows()
{
    m_noColor->setVisible(!m_color);
    m_rows = m_color ? m_source.rows(*m_color) : QList<NotationRow>();
    for (std::size_t n = 0; n < m_widgets.size(); ++n) {
        const RowWidgets &widgets = m_widgets[n];
        const NotationRow shown = m_color ? m_rows.at(qsizetype(n)) : NotationRow {};
        widgets.text->setText(shown.text);
        widgets.text->setCursorPosition(0);
        widgets.text->setAccessibleDescription(shown.spoken);
        widgets.note->setText(shown.note);
        widgets.copy->setEnabled(!shown.text.isEmpty());
    }
}

} // namespace Tintora
