// CMYK through a colour profile: the conversion through Ghostscript's SWOP press profile checked
// by its round trip, the converter without a usable profile, and the search of the profile
// folders.

#include "core/cmykconverter.h"
#include "core/cmykprofiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <vector>

using namespace Tintora;
using enum Tintora::RenderingIntent;
using namespace Qt::StringLiterals;

namespace {

const QString kSeed = QStringLiteral(TINTORA_SOURCE_DIR "/tests/fuzz/corpus/cmykprofile/tiny-cmyk");

struct Case
{
    const char *name;
    ColorValue color;
    RenderingIntent intent;
    std::array<double, 4> inks; // as the SWOP profile gives them, within 3 %
    bool outOfGamut;
};

// clang-format off
constexpr Case kCases[] = {
    {"white takes no ink", kWhite, RelativeColorimetric, {0, 0, 0, 0}, false},
    {"black keeps its depth (black-point compensation)", kBlack, RelativeColorimetric,
     {72, 68, 67, 89}, false},
    {"mid grey", colorValue(128, 128, 128), RelativeColorimetric, {51, 44, 44, 8}, false},
    {"skin tone", colorValue(224, 172, 105), Perceptual, {11, 34, 68, 0}, false},
    {"sample blue", colorValue(51, 153, 204), Saturation, {73, 27, 5, 0}, false},
    {"screen green", colorValue(0, 255, 0), RelativeColorimetric, {62, 0, 100, 0}, true},
    {"screen green, absolute", colorValue(0, 255, 0), AbsoluteColorimetric, {52, 0, 100, 0}, true},
    {"screen blue", colorValue(0, 0, 255), Perceptual, {88, 77, 0, 0}, true},
    {"screen white on paper, absolute", kWhite, AbsoluteColorimetric, {0, 0, 0, 0}, true},
};
// clang-format on

} // namespace

class TestCmyk : public QObject
{
    Q_OBJECT

private slots:
    void convert()
    {
        const QString path = u"/usr/share/color/icc/"_s + defaultCmykProfile();
        if (!QFile::exists(path))
            QSKIP("Ghostscript's CMYK profile (libgs-common) is not installed");
        for (const Case &test : kCases) {
            const CmykConverter converter(path, test.intent);
            const std::optional<CmykValue> cmyk = converter.convert(test.color);
            QVERIFY2(cmyk, qPrintable(converter.problem()));
            const std::array inks {cmyk->cyan, cmyk->magenta, cmyk->yellow, cmyk->black};
            for (std::size_t i = 0; i < inks.size(); ++i)
                QVERIFY2(std::fabs(inks[i] - test.inks[i]) <= 3,
                         qPrintable(u"%1: ink %2 is %3"_s.arg(test.name).arg(i).arg(inks[i])));
            QVERIFY2(cmyk->outOfGamut == test.outOfGamut,
                     qPrintable(u"%1: ΔE %2"_s.arg(test.name).arg(cmyk->roundTripDeltaE)));
        }
    }

    void withoutProfile()
    {
        QFile seedFile(kSeed);
        QVERIFY(seedFile.open(QIODevice::ReadOnly));
        const QByteArray seed = seedFile.readAll();
        QVERIFY(CmykConverter(seed, u"tiny.icc"_s, Perceptual).convert(kWhite));

        std::vector<std::pair<CmykConverter, QString>> cases;
        cases.emplace_back(CmykConverter(), u"No CMYK colour profile is installed"_s);
        cases.emplace_back(CmykConverter(u"/no/such.icc"_s, Perceptual), u"\"/no/such.icc\""_s);
        cases.emplace_back(CmykConverter(seed.first(300), u"cut.icc"_s, Perceptual),
                           u"\"cut.icc\" is damaged"_s);
        for (const auto &[converter, problem] : cases) {
            QVERIFY(!converter.convert(kWhite));
            QVERIFY2(converter.problem().contains(problem), qPrintable(converter.problem()));
        }
    }

    // A profile below a sub-folder of $XDG_DATA_DIRS is found once, though a link loops back to
    // its folder and another leads to it; a damaged and an oversized file are skipped, each with a
    // message; the default comes first, whatever its description.
    void findProfiles()
    {
        QTemporaryDir data;
        const QString icc = data.path() + u"/color/icc"_s;
        QVERIFY(QDir().mkpath(icc + u"/press/sub/more"_s));
        QVERIFY(QFile::copy(kSeed, icc + u"/press/sub/tiny.ICC"_s));
        QVERIFY(QFile::link(icc, icc + u"/press/loop"_s));
        QVERIFY(QFile::link(icc + u"/press/sub/tiny.ICC"_s, icc + u"/press/sub/more/same.icc"_s));
        QFile damaged(icc + u"/damaged.icc"_s);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("acsp"));
        QFile large(icc + u"/large.icm"_s);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(kMaxProfileFileSize + 1));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));

        const CmykProfileScan scan = findCmykProfiles();
        QStringList found;
        for (const CmykProfile &profile : scan.profiles)
            found << profile.description + u" in "_s + profile.path;
        QCOMPARE(found.filter(data.path()),
                 QStringList(u"A tiny CMYK profile in "_s + icc + u"/press/sub/tiny.ICC"_s));
        const QStringList problems = scan.problems.filter(data.path());
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems.filter(u"damaged.icc\" is damaged"_s).size() == 1);
        QVERIFY(problems.filter(u"large.icm\" is damaged: it is larger than 32 MiB"_s).size() == 1);
        if (QFile::exists(u"/usr/share/color/icc/"_s + defaultCmykProfile()))
            QVERIFY(scan.profiles.first().path.endsWith(defaultCmykProfile()));
    }
};

QTEST_APPLESS_MAIN(TestCmyk)
#include "tst_cmyk.moc"
