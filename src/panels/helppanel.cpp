#include "panels/helppanel.h"

#include "core/helptexts.h"
#include "widgets/controls.h"
#include "widgets/readablecolors.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace Tintora {

HelpPanel::HelpPanel(QWidget *parent)
    : Panel(QStringLiteral("fraTextHelp"), QString(), 3855, parent, 1080)
{
    // The frame has no caption to name it after, unlike the other panels.
    setAccessibleName(tr("Help"));
    setAutoFillBackground(true);
    setBackColor(this, colorValue(255, 255, 192));
    // The option buttons' captions stand on the pale yellow, whatever the colour scheme.
    keepTextReadable(this);

    m_title
        = makeLabel(this, QStringLiteral("lblHelpTitle"), tr("Help Title"), {120, 120, 5535, 735});
    QFont titleFont = defaultFont(14.25, true);
    titleFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_title->setAutoFillBackground(true);
    m_title->setBackgroundRole(QPalette::Base);
    m_title->setForegroundRole(QPalette::Text);

    m_topics = new QButtonGroup(this);
    m_topics->setObjectName(QStringLiteral("optHelp"));
    for (int index = 0; index < kHelpTopicCount; ++index) {
        m_topics->addButton(placeControl<QRadioButton>(this, QStringLiteral("optHelp%1").arg(index),
                                                       {120, 960 + 360 * index, 1335, 255},
                                                       helpTopicCaption(index)),
                            index);
    }

    // A margin in the control colour around the text box: a plain widget rather than an empty
    // label, so that a screen reader passes over it.
    auto *margin = placeControl<QWidget>(this, QStringLiteral("Label19"), {1560, 960, 4095, 2775});
    margin->setAutoFillBackground(true);
    margin->setBackgroundRole(QPalette::Button);

    m_text = placeControl<QPlainTextEdit>(this, QStringLiteral("txtHelpOutput"),
                                          {1680, 1080, 3855, 2535});
    m_text->setReadOnly(true);
    // The caret shows where the focus is, and the keys select text to copy.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(tr("Help text"));
    m_text->verticalScrollBar()->setAccessibleName(tr("Help text"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A choice made by the program runs the handling as a click would, but only on a change.
    connect(m_topics, &QButtonGroup::idToggled, this, [this](int topic, bool checked) {
        if (checked)
            m_text->setPlainText(helpTopicText(topic));
    });
}

void HelpPanel::opened()
{
    m_title->setText(aboutTitle());
}

void HelpPanel::reset()
{
    m_topics->button(kContactTopic)->setChecked(true);
}

} // namespace Tintora
