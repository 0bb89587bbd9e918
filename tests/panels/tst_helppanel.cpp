#include "testsupport.h"

#include "core/helptexts.h"
#include "panels/helppanel.h"
#include "widgets/controls.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace Tintora;

class TestHelpPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void topicShowsItsText_data();
    void topicShowsItsText();
    void programChoiceRunsTheHandlingOnce();
    void textRefusesTyping();
    void look();

private:
    std::unique_ptr<HelpPanel> m_panel;
};

void TestHelpPanel::init()
{
    m_panel = std::make_unique<HelpPanel>();
    m_panel->resize(pixels(5775), pixels(3855));
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestHelpPanel::cleanup()
{
    m_panel.reset();
}

void TestHelpPanel::topicShowsItsText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    const char *const captions[] = {"How it works", "QB Colors", "Pantone",    "RGB",
                                    "Hex (HTML)",   "Swatches",  "Web Browse", "Contact"};
    for (int index = 0; index < kHelpTopicCount; ++index)
        QTest::newRow(captions[index]) << index << QString::fromLatin1(captions[index]);
}

void TestHelpPanel::topicShowsItsText()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    // Start from another topic so that the whole text must be replaced.
    m_panel->selectTopic(index == 0 ? 1 : 0);
    auto *option = qobject_cast<QRadioButton *>(m_panel->optHelp->button(index));
    QCOMPARE(option->text(), caption);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
    QVERIFY(option->isChecked());
    QCOMPARE(m_panel->optHelp->checkedId(), index);
    QString expected = helpTopicText(index);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(m_panel->txtHelpOutput->toPlainText(), expected);
}

void TestHelpPanel::programChoiceRunsTheHandlingOnce()
{
    m_panel->selectTopic(kContactTopic);
    m_panel->txtHelpOutput->setPlainText(QStringLiteral("unchanged"));
    // Choosing the topic that is chosen already changes nothing.
    m_panel->selectTopic(kContactTopic);
    QCOMPARE(m_panel->txtHelpOutput->toPlainText(), QStringLiteral("unchanged"));
    m_panel->selectTopic(3);
    QVERIFY(m_panel->txtHelpOutput->toPlainText().startsWith(QStringLiteral("RGB:  R is Red.")));
}

void TestHelpPanel::textRefusesTyping()
{
    m_panel->selectTopic(1);
    const QString before = m_panel->txtHelpOutput->toPlainText();
    m_panel->txtHelpOutput->setFocus();
    QTest::keyClicks(m_panel->txtHelpOutput, QStringLiteral("typed"));
    QTest::keyClick(m_panel->txtHelpOutput, Qt::Key_Backspace);
    QCOMPARE(m_panel->txtHelpOutput->toPlainText(), before);
    QCOMPARE(m_panel->txtHelpOutput->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestHelpPanel::look()
{
    QCOMPARE(backColor(m_panel.get()), 12648447);
    QCOMPARE(m_panel->lblHelpTitle->text(), QStringLiteral("Help Title"));
    QVERIFY(m_panel->lblHelpTitle->font().bold());
    QCOMPARE(m_panel->lblHelpTitle->alignment(), Qt::AlignCenter);
    m_panel->ShowAboutTitle();
    QCOMPARE(m_panel->lblHelpTitle->text(),
             QStringLiteral("Tintora Systems Management\r\nColor Conversions Utility."));
}

QTEST_MAIN(TestHelpPanel)
#include "tst_helppanel.moc"
