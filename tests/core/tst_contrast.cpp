#include "core/contrast.h"

#include <QTest>

using namespace Tintora;

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void ratioAndVerdicts_data();
    void ratioAndVerdicts();
};

void TestContrast::ratioAndVerdicts_data()
{
    QTest::addColumn<ColorValue>("text");
    QTest::addColumn<ColorValue>("back");
    // The ratio's text, then whether it passes AA normal, AA large, AAA normal, AAA large.
    QTest::addColumn<QString>("expected");

    const auto grey = [](int level) {
        return colorValue(level, level, level);
    };
    QTest::newRow("black on white") << kBlack << kWhite << "21:1 1111";
    QTest::newRow("white on black") << kWhite << kBlack << "21:1 1111";
    QTest::newRow("#777777 on white") << grey(0x77) << kWhite << "4.48:1 0100";
    QTest::newRow("#767676 on white") << grey(0x76) << kWhite << "4.54:1 1101";
    QTest::newRow("equal colours") << 0x123456 << 0x123456 << "1:1 0000";
    // Red is the low byte: blue would give 8.59:1.
    QTest::newRow("red on white") << colorValue(255, 0, 0) << kWhite << "4:1 0100";
    QTest::newRow("#595959 on white, just over 7") << grey(0x59) << kWhite << "7:1 1111";
    // Just under a threshold: rounding must not show a pass the verdict denies.
    QTest::newRow("2.9953 not shown as 3") << grey(0x95) << kWhite << "2.99:1 0000";
    QTest::newRow("4.4996 not shown as 4.5") << colorValue(169, 104, 0) << kWhite << "4.49:1 0100";
    QTest::newRow("6.9998 not shown as 7") << colorValue(177, 24, 0) << kWhite << "6.99:1 1101";
}

void TestContrast::ratioAndVerdicts()
{
    QFETCH(ColorValue, text);
    QFETCH(ColorValue, back);
    QFETCH(QString, expected);

    const Contrast contrast = contrastOf(text, back);
    QCOMPARE(ratioText(contrast.ratio)
                 + QString::asprintf(" %d%d%d%d", contrast.aaNormal, contrast.aaLarge,
                                     contrast.aaaNormal, contrast.aaaLarge),
             expected);
}

QTEST_APPLESS_MAIN(TestContrast)
#include "tst_contrast.moc"
