// The colour window and Edit > Copy As: built when first opened, following the open panel's
// colour, each row's copy button and Copy As entry, CMYK through the chosen profile and intent,
// and the sentence shown in its place without a profile.

#include "testsupport.h"

#include "core/notationsource.h"
#include "tools/colordetailswindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

using namespace Tintora;
using namespace Qt::StringLiterals;
using TestSupport::child;

class TestColorDetails : public TestSupport::WindowTest
{
    Q_OBJECT

private slots:
    void followsPanelAndCopies_data()
    {
        QTest::addColumn<int>("panel"); // toolbar button
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("profile"); // chosen with the keyboard, from the default
        QTest::addColumn<int>("intent");
        QTest::addColumn<bool>("outOfGamut");
        QTest::newRow("catalogue entry, default profile")
            << 2 << u"vsPantone"_s << 300 << 0 << int(RenderingIntent::RelativeColorimetric)
            << false;
        QTest::newRow("screen green, other profile, absolute")
            << 3 << u"hsGreen"_s << 255 << 1 << int(RenderingIntent::AbsoluteColorimetric) << true;
    }
    void followsPanelAndCopies()
    {
        QFETCH(int, panel);
        QFETCH(QString, bar);
        QFETCH(int, value);
        QFETCH(int, profile);
        QFETCH(int, intent);
        QFETCH(bool, outOfGamut);
        const QList<CmykProfile> profiles = findCmykProfiles().profiles;
        if (profiles.size() <= profile || !profiles.first().path.endsWith(defaultCmykProfile()))
            QSKIP("Needs Ghostscript's CMYK profiles (libgs-common)");
        // Start-up builds no colour window; its key does, with nothing to show yet.
        QVERIFY(!(*m_window)->findChild<QWidget *>(u"frmColorDetails"_s));
        QTest::keyClick((*m_window)->windowHandle(), Qt::Key_I, Qt::ControlModifier);
        QTRY_VERIFY(find(u"frmColorDetails"_s)->isVisible());
        const auto noColor = [this] {
            return find(u"lblNoColor"_s)->isVisible()
                && find<QLineEdit>(u"txtNotationHex"_s)->text().isEmpty()
                && !find(u"cmdCopyHex"_s)->isEnabled();
        };
        QVERIFY(noColor());

        clickButton(panel);
        find<QScrollBar>(bar)->setValue(value);
        for (const auto &[name, index] : {std::pair(u"cboCmykProfile"_s, profile),
                                          std::pair(u"cboRenderingIntent"_s, intent)}) {
            auto *box = find<QComboBox>(name);
            while (box->currentIndex() < index)
                QTest::keyClick(box, Qt::Key_Down);
        }
        const ColorValue color = *(*m_window)->currentColor();
        const CmykValue inks
            = *CmykConverter(profiles.at(profile).path, RenderingIntent(intent)).convert(color);
        for (int n = 0; n <= int(ColorNotation::Catalog); ++n) {
            const auto notation = ColorNotation(n);
            QString expected = notationRow(notation, color).text;
            if (notation == ColorNotation::Cmyk)
                expected = u"%1%, %2%, %3%, %4%"_s.arg(qRound(inks.cyan))
                               .arg(qRound(inks.magenta))
                               .arg(qRound(inks.yellow))
                               .arg(qRound(inks.black));
            else if (notation == ColorNotation::Catalog)
                expected = panel == 2 ? find<QLineEdit>(u"txtPantoneNum"_s)->text()
                                      : find<QLineEdit>(u"txtNotationCatalog"_s)->text();
            const QString name = notationName(notation);
            QCOMPARE(find<QLineEdit>(u"txtNotation"_s + name)->text(), expected);
            QTest::keyClick(find(u"cmdCopy"_s + name), Qt::Key_Space);
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
            QGuiApplication::clipboard()->clear();
            find<QAction>(u"mnuEditCopyAs"_s + name)->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        }
        QCOMPARE(find<QLabel>(u"lblNoteCmyk"_s)->text().contains(u"out of gamut"_s), outOfGamut);

        clickButton(panel);
        QVERIFY(noColor());
        QVERIFY(!find<QMenu>(u"mnuEditCopyAs"_s)->menuAction()->isEnabled());
    }

    // Without a CMYK profile the CMYK row says why, with nothing to copy; the others show.
    void withoutProfile()
    {
        const QTemporaryDir empty;
        NotationSource source({}, {empty.path()});
        ColorDetailsWindow details(source, m_window->window.get());
        details.show();
        details.showColor(kWhite);
        QCOMPARE(child<QLabel>(&details, u"lblNoteCmyk"_s)->text(), CmykConverter().problem());
        QVERIFY(child<QLineEdit>(&details, u"txtNotationCmyk"_s)->text().isEmpty()
                && !child<QWidget>(&details, u"cmdCopyCmyk"_s)->isEnabled());
        QCOMPARE(child<QLineEdit>(&details, u"txtNotationHex"_s)->text(), u"#FFFFFF"_s);
    }
};

QTEST_MAIN(TestColorDetails)
#include "tst_colordetails.moc"
