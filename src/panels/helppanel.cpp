#include "panels/helppanel.h"

#include "core/helptexts.h"
#include "widgets/controls.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace Tintora {

HelpPanel::HelpPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraTextHelp"));
    // The frame has no caption to name it after, unlike the other panels.
    setAccessibleName(tr("Help"));
    placePanel(this, 1080);
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    setBackColor(this, colorValue(255, 255, 192));

    lblHelpTitle = makeLabel(this, QStringLiteral("lblHelpTitle"), tr("Help Title"),
                             twipsRect(120, 120, 5535, 735));
    QFont titleFont = defaultFont(14.25, true);
    titleFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    lblHelpTitle->setFont(titleFont);
    lblHelpTitle->setAlignment(Qt::AlignCenter);
    lblHelpTitle->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblHelpTitle->setAutoFillBackground(true);
    lblHelpTitle->setBackgroundRole(QPalette::Base);
    lblHelpTitle->setForegroundRole(QPalette::Text);

    optHelp = new QButtonGroup(this);
    optHelp->setObjectName(QStringLiteral("optHelp"));
    for (int index = 0; index < kHelpTopicCount; ++index) {
        auto *option = new QRadioButton(helpTopicCaption(index), this);
        option->setObjectName(QStringLiteral("optHelp%1").arg(index));
        option->setGeometry(twipsRect(120, 960 + 360 * index, 1335, 255));
        optHelp->addButton(option, index);
    }

    // A margin in the control colour around the text box: a plain widget rather than an empty
    // label, so that a screen reader passes over it.
    auto *margin = new QWidget(this);
    margin->setObjectName(QStringLiteral("Label19"));
    margin->setGeometry(twipsRect(1560, 960, 4095, 2775));
    margin->setAutoFillBackground(true);
    margin->setBackgroundRole(QPalette::Button);

    txtHelpOutput = new QPlainTextEdit(this);
    txtHelpOutput->setObjectName(QStringLiteral("txtHelpOutput"));
    txtHelpOutput->setGeometry(twipsRect(1680, 1080, 3855, 2535));
    txtHelpOutput->setReadOnly(true);
    txtHelpOutput->setAccessibleName(tr("Help text"));
    txtHelpOutput->verticalScrollBar()->setAccessibleName(tr("Help text"));
    txtHelpOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelpOutput->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A choice made by the program runs the handling as a click would, but only on a change.
    connect(optHelp, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            optHelp_Click();
    });
}

void HelpPanel::ShowAboutTitle()
{
    lblHelpTitle->setText(aboutTitle());
}

void HelpPanel::selectTopic(int index)
{
    optHelp->button(index)->setChecked(true);
}

void HelpPanel::opened()
{
    ShowAboutTitle();
}

void HelpPanel::setStartValues()
{
    selectTopic(kContactTopic);
}

void HelpPanel::optHelp_Click()
{
    const int chosen = optHelp->checkedId();
    txtHelpOutput->setPlainText(chosen < 0 ? noHelpTopicText() : helpTopicText(chosen));
}

} // namespace Tintora
