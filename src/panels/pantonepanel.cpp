#include "panels/pantonepanel.h"

#include "core/catalogloader.h"
#include "core/catalogsearch.h"
#include "core/colordifference.h"
#include "core/formstate.h"
#include "core/numericvalue.h"
#include "widgets/colorentry.h"
#include "widgets/controls.h"

#include <QCompleter>
#include <QLabel>
#include <QScrollBar>
#include <QStringListModel>

namespace Tintora {

PantonePanel::PantonePanel(FormState &state, QWidget *parent)
    : QGroupBox(tr("Pantone Colors"), parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("fraPantone"));
    placePanel(this);

    vsPantone = makeScrollBar(this, QStringLiteral("vsPantone"), Qt::Vertical, kCatalogSize - 1,
                              twipsRect(120, 360, 735, 1215), tr("Catalog entry"));
    txtPantone = makeColorBox(this, QStringLiteral("txtPantone"), twipsRect(960, 240, 1335, 1365),
                              tr("Pantone color patch"));

    QLabel *numberCaption = makeLabel(this, QStringLiteral("lblNum"), tr("Pantone Number"),
                                      twipsRect(2400, 360, 1455, 255));
    numberCaption->setFont(defaultFont(8.25, true));
    txtPantoneNum = makeReadOnlyBox(this, QStringLiteral("txtPantoneNum"),
                                    twipsRect(3960, 240, 1095, 405), numberCaption);
    txtPantoneNum->setFont(defaultFont(9.75, true));
    txtRgbPantone
        = makeReadOnlyBox(this, QStringLiteral("txtRgbPantone"), twipsRect(3960, 720, 1695, 375),
                          makeLabel(this, QStringLiteral("Label1"), tr("RGB Number"),
                                    twipsRect(2400, 840, 975, 255)));
    txtHtmlPantone
        = makeReadOnlyBox(this, QStringLiteral("txtHtmlPantone"), twipsRect(3960, 1200, 1695, 375),
                          makeLabel(this, QStringLiteral("Label2"), tr("HTML Number"),
                                    twipsRect(2400, 1320, 1095, 255)));

    connect(vsPantone, &QScrollBar::valueChanged, this, &PantonePanel::PantoneScroller);
    connect(&m_state.cboPantoneList, &HiddenList::currentTextChanged, this,
            &PantonePanel::cboPantoneList_Change);

    // The number box finds an entry by its name, else the entry nearest to a colour.
    auto *numberEntry = new ColorEntry(
        txtPantoneNum, tr("a catalog name (485 C), ") + acceptedNotations(Notation::None),
        [this](const QString &text) {
            if (const std::optional<int> entry
                = findCatalogEntry(text, m_state.cboPantoneList.items())) {
                showEntry(*entry);
                return true;
            }
            const std::optional<ColorValue> color = parseColor(text, Notation::None);
            return color && takeColor(*color);
        });
    m_names = new QStringListModel(this);
    auto *completer = new QCompleter(m_names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    numberEntry->setCompleter(completer);
    for (auto [box, notation] :
         {std::pair {txtRgbPantone, Notation::Rgb}, {txtHtmlPantone, Notation::Html}})
        attachColorEntry(box, notation, [this](ColorValue color) { takeColor(color); });
}

PantonePanel::~PantonePanel() = default;

void PantonePanel::PantoneScroller()
{
    const int entry = vsPantone->value();
    setMatchNote(QString());
    m_state.cboPantoneList.setCurrentIndex(entry);
    m_state.cboPantoneRGBred.setCurrentIndex(entry);
    m_state.cboPantoneRGBblue.setCurrentIndex(entry);
    m_state.cboPantoneRGBgreen.setCurrentIndex(entry);

    const QString redText = m_state.cboPantoneRGBred.currentText();
    const QString greenText = m_state.cboPantoneRGBgreen.currentText();
    const QString blueText = m_state.cboPantoneRGBblue.currentText();
    // Loading has checked that every component rounds into 0..255.
    const int red = numericInt16(redText).value_or(0);
    const int green = numericInt16(greenText).value_or(0);
    const int blue = numericInt16(blueText).value_or(0);
    setBackColor(txtPantone, colorValue(red, green, blue));

    setTextFromStart(txtPantoneNum, m_state.cboPantoneList.currentText());
    txtRgbPantone->setText(QStringLiteral("RGB(%1,%2,%3)").arg(redText, greenText, blueText));

    // A component outside the table keeps the entry selected before it.
    QString hex;
    for (int component : {red, green, blue}) {
        m_state.cboHtml.setCurrentIndex(component);
        hex += m_state.cboHtml.currentText();
    }
    txtHtmlPantone->setText(hex);
}

bool PantonePanel::showFirstEntry()
{
    for (HiddenList *list : {&m_state.cboPantoneRGBred, &m_state.cboPantoneRGBgreen,
                             &m_state.cboPantoneRGBblue, &m_state.cboPantoneList}) {
        if (!list->setCurrentIndex(0))
            return false;
    }
    const std::optional<qint16> start = numericInt16(m_state.cboPantoneList.currentText());
    if (!start || *start < vsPantone->minimum() || *start > vsPantone->maximum())
        return false;
    vsPantone->setValue(*start);
    setBackColor(txtPantone, vsPantone->value());
    setTextFromStart(txtPantoneNum, QString::number(vsPantone->value()));
    // The catalogue is loaded once; Reset finds its names in place.
    if (m_names->rowCount() == 0)
        m_names->setStringList(m_state.cboPantoneList.items());
    return true;
}

bool PantonePanel::takeColor(ColorValue color)
{
    if (!m_nearest) {
        m_nearest = std::make_unique<NearestColorSearch>(
            catalogColors(m_state.cboPantoneRGBred.items(), m_state.cboPantoneRGBgreen.items(),
                          m_state.cboPantoneRGBblue.items()));
    }
    const NearestColor nearest = m_nearest->nearest(color);
    if (nearest.index < 0)
        return false;
    showEntry(nearest.index);
    setMatchNote(nearest.exact
                     ? tr("Exact match")
                     : tr("ΔE %1 from the colour you gave").arg(nearest.deltaE, 0, 'f', 1));
    return true;
}

void PantonePanel::showEntry(int entry)
{
    if (!moveBarTo(vsPantone, entry))
        PantoneScroller();
}

void PantonePanel::setMatchNote(const QString &note)
{
    setNote(txtPantone, note);
    setNote(txtPantoneNum, note);
}

QWidget *PantonePanel::focusControl() const
{
    return vsPantone;
}

QWidget *PantonePanel::colorBox() const
{
    return txtPantone;
}

void PantonePanel::setStartValues()
{
    txtRgbPantone->setText(rgbPlaceholder());
    txtHtmlPantone->setText(htmlPlaceholder());
}

void PantonePanel::reset()
{
    setMatchNote(QString());
    showFirstEntry();
}

void PantonePanel::cboPantoneList_Change()
{
    vsPantone->setValue(m_state.cboPantoneList.currentIndex());
    setTextFromStart(txtPantoneNum, m_state.cboPantoneList.currentText());
}

} // namespace Tintora
