#include "testsupport.h"

#include "core/colordifference.h"
#include "core/colormime.h"
#include "core/colorvision.h"
#include "core/contrast.h"
#include "core/palette.h"
#include "tools/colortoolswindow.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Tintora;
using namespace Qt::StringLiterals;

// View > Colour Tools driven as a user would, around the Hex panel's colour.
class TestColorToolsWindow : public TestSupport::WindowTest
{
    Q_OBJECT

private slots:
    // #777777 on white is 4.48:1, just short of AA: each failing level offers the nearest colour
    // that passes, with its ΔE; Apply gives it to the panel, which then passes; Swap exchanges the
    // panel's colour and the background.
    void contrast()
    {
        QVERIFY(!(*m_window)->findChild<ColorToolsWindow *>());
        showInHex(u"#777777"_s);
        openTools(0);
        const ColorValue grey = colorValue(0x77, 0x77, 0x77);
        QVERIFY(find(u"lblContrastRatio"_s)->accessibleDescription().contains(u"4.48"_s));
        for (const QString &level : {u"AAA"_s, u"AA"_s}) {
            auto *apply = find<QPushButton>(u"cmdApply"_s + level);
            QVERIFY2(apply->isVisible(), qPrintable(level));
            const ColorValue offered = backColor(find(u"lblPassing"_s + level));
            const QString deltaE = QString::number(ciede2000(toLab(grey), toLab(offered)), 'f', 1);
            QVERIFY(find<QLabel>(u"lblPassingText"_s + level)->text().contains(deltaE));
            // Offered for AAA, then the panel back to grey, then AA.
            apply->setFocus();
            QTest::keyClick(apply, Qt::Key_Space);
            QCOMPARE((*m_window)->currentColor(), offered);
            const Contrast contrast = contrastOf(offered, kWhite);
            QVERIFY(level == u"AA"_s ? contrast.aaNormal : contrast.aaaNormal);
            QVERIFY(!find(u"cmdApply"_s + level)->isVisible());
            showInHex(u"#777777"_s);
        }
        QTest::mouseClick(find<QPushButton>(u"cmdContrastSwap"_s), Qt::LeftButton);
        QCOMPARE((*m_window)->currentColor(), kWhite);
        QCOMPARE(find<QLineEdit>(u"txtContrastBack"_s)->text(), u"#777777"_s);
        QVERIFY(find(u"lblContrastRatio"_s)->accessibleDescription().contains(u"4.48"_s));
    }

    // The background comes typed, pasted or dropped (on the section or its box); what is no
    // colour leaves it as it was.
    void background_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown"); // the box's text after it
        QTest::newRow("typed name") << u"type"_s << u"navy"_s << u"#000080"_s;
        QTest::newRow("pasted") << u"paste"_s << u"rgb(18 52 86)"_s << u"#123456"_s;
        QTest::newRow("dropped colour") << u"drop colour"_s << u"#FFCC00"_s << u"#FFCC00"_s;
        QTest::newRow("dropped text") << u"drop text"_s << u"teal"_s << u"#008080"_s;
        QTest::newRow("regression: dropped words became the background")
            << u"drop text"_s << u"hello there"_s << u"#FFFFFF"_s;
    }
    void background()
    {
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, shown);
        showInHex(u"#336699"_s);
        openTools(0);
        auto *box = find<QLineEdit>(u"txtContrastBack"_s);
        if (way == u"type") {
            type(box->objectName(), input);
        } else if (way == u"paste") {
            QGuiApplication::clipboard()->setText(input);
            box->setFocus();
            box->selectAll();
            QTest::keySequence(box, QKeySequence::Paste);
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QMimeData text;
            text.setText(input);
            const auto data = way == u"drop text"
                ? nullptr
                : colorMimeData(toColorValue(QColor::fromString(input)));
            for (QWidget *target : {find(u"fraContrast"_s), static_cast<QWidget *>(box)})
                QCOMPARE(drop(target, data ? *data : text), shown != u"#FFFFFF");
        }
        QCOMPARE(box->text(), shown);
        const ColorValue back = toColorValue(QColor::fromString(shown));
        QVERIFY(find(u"lblContrastRatio"_s)
                    ->accessibleDescription()
                    .contains(ratioText(contrastOf(colorValue(0x33, 0x66, 0x99), back).ratio)));
    }

    // Each swatch speaks its colour and gives it to the panel on a click or Enter, after which the
    // swatches are made from the new colour.
    void swatches()
    {
        showInHex(u"#3366CC"_s);
        openTools(1);
        // A tint, a shade, the complementary colour and the last tetradic one.
        for (int index : {0, 9, 15, 24}) {
            auto *swatch = find<QToolButton>(u"cmdSwatch%1"_s.arg(index));
            QVERIFY(swatch->isVisible());
            const QString hex = swatch->accessibleName().right(7);
            const ColorValue color = toColorValue(QColor::fromString(hex));
            if (index % 2) {
                QTest::mouseClick(swatch, Qt::LeftButton);
            } else {
                swatch->setFocus();
                QTest::keyClick(swatch, Qt::Key_Return);
            }
            QCOMPARE((*m_window)->currentColor(), color);
            QVERIFY(find<QLabel>(u"lblHarmoniesNote"_s)->text().contains(hex));
        }
        // Tints are lighter than the colour, shades darker.
        const double lightness = toLab((*m_window)->currentColor().value()).L;
        QCOMPARE_GT(toLab(swatchColor(0)).L, lightness);
        QCOMPARE_LT(toLab(swatchColor(5)).L, lightness);
    }

    // Each row shows the panel's colour, and the Web Browser panel's sample, as its colour vision
    // sees them, with the sample's ratio under it; both follow their colours.
    void vision()
    {
        const std::optional<ColorVision> visions[]
            = {std::nullopt, ColorVision::Protanopia, ColorVision::Deuteranopia,
               ColorVision::Tritanopia, ColorVision::Achromatopsia};
        const auto seen = [](ColorValue color, std::optional<ColorVision> vision) {
            return vision ? simulateColorVision(color, *vision) : color;
        };
        openTools(2);
        for (const QString &hex : {u"#CC3333"_s, u"#33AA55"_s}) {
            clickButton(4);
            type(u"txtHexNum"_s, hex);
            const ColorValue color = (*m_window)->currentColor().value();
            for (int row = 1; row <= 5; ++row)
                QCOMPARE(backColor(find(u"lblVisionPatch%1"_s.arg(row))),
                         seen(color, visions[row - 1]));
            clickButton(4);
            // The sample's text in the Hex panel's colour, on white.
            clickButton(6);
            clickControl(u"cmdWebHtml"_s);
            clickControl(u"chkFG"_s);
            for (int row = 1; row <= 5; ++row) {
                const std::optional<ColorVision> vision = visions[row - 1];
                const double ratio = vision ? contrastUnder(*vision, color, kWhite).ratio
                                            : contrastOf(color, kWhite).ratio;
                auto *label = find<QLabel>(u"lblVisionRatio%1"_s.arg(row));
                QCOMPARE(label->text(), ratioText(ratio));
                QVERIFY(label->accessibleDescription().contains(ratioText(ratio)));
                const QWidget *sample = find(u"lblVisionSample%1"_s.arg(row));
                QCOMPARE(toColorValue(sample->palette().color(QPalette::WindowText)),
                         seen(color, vision));
            }
            clickControl(u"chkFG"_s);
            clickButton(6);
        }
    }

private:
    void showInHex(const QString &hex) const
    {
        if (!find(u"fraHtml"_s)->isVisible())
            clickButton(4);
        type(u"txtHexNum"_s, hex);
    }

    // Opens the window with its shortcut, on a tab chosen by the tab's key.
    void openTools(int tab) const
    {
        QTest::keyClick(m_window->window.get(), Qt::Key_T, Qt::ControlModifier);
        auto *tools = (*m_window)->findChild<ColorToolsWindow *>();
        QVERIFY(tools);
        QTRY_COMPARE(QApplication::activeWindow(), tools);
        const Qt::Key keys[] = {Qt::Key_C, Qt::Key_T, Qt::Key_I};
        QTest::keyClick(tools, keys[tab], Qt::AltModifier);
        QCOMPARE(find<QTabWidget>(u"tabColorTools"_s)->currentIndex(), tab);
    }

    ColorValue swatchColor(int index) const
    {
        const QString name = find(u"cmdSwatch%1"_s.arg(index))->accessibleName();
        return toColorValue(QColor::fromString(name.right(7)));
    }

    // Whether the target took the drag.
    static bool drop(QWidget *target, const QMimeData &data)
    {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted();
    }
};

QTEST_MAIN(TestColorToolsWindow)
#include "tst_colortoolswindow.moc"
