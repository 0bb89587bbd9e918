#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program's command line as a script meets it: no display, no platform chosen.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // A pattern for standard output, or with status 2 for standard error (output: none).
        QTest::addColumn<QString>("answer");
        const auto row
            = [](const char *name, const QString &arguments, int status, const QString &answer) {
                  QTest::newRow(name) << arguments.split(u'|') << status << answer;
              };
        row("convert", u"--convert|red"_s, 0,
            u"^Hex\t#FF0000\nRGB\trgb\\(255, 0, 0\\)\n(.+\n){7}CMYK\t0%, 100%, 100%, 0%\t.+\n"
            "Decimal\t255\nCOLORREF\t0x000000FF\nCSS name\tred\tExact match\nCatalog\t.+\tΔE .+\n$"_s);
        row("convert, JSON, alpha dropped", u"--convert|rgb(51 153 204 / 50%)|--json"_s, 0,
            u"\"decimal\": \"13408563\",(.|\n)+\"hex\": \"taken without its transparency\""_s);
        row("convert, no colour", u"--convert|bluish"_s, 2,
            u"^tintora: No colour: \"bluish\". Give #RRGGBB, .+ \\(steelblue\\).\n$"_s);
        row("regression: a missing value opened the window", u"--convert"_s, 2,
            u"Missing value after '--convert'"_s);
        row("nearest, the first entry", u"--nearest|#FFDD00"_s, 0,
            u"^Catalog\tYellow C\nHex\t#FFDD00\nΔE\t0.00\texact match\n$"_s);
        row("nearest, no colour", u"--nearest|#FFDD0G"_s, 2, u"\"#FFDD0G\""_s);
        row("contrast passing AA by a hair", u"--contrast|#767676|white"_s, 0,
            u"^Foreground\t#767676\nBackground\t#FFFFFF\nContrast\t4.54:1\nAA, normal text\tpass\n"
            "AA, large text\tpass\nAAA, normal text\tfail\nAAA, large text\tpass\nAPCA Lc\t71.6\n$"_s);
        row("contrast, JSON", u"--json|--contrast|white|black"_s, 0,
            u"\"aaaNormal\": true,(.|\n)+\"apcaLc\": -107.9,(.|\n)+\"ratio\": 21\n"_s);
        row("contrast, back colour no colour", u"--contrast|black|nope"_s, 2,
            u"No colour: \"nope\""_s);
        row("contrast without a back colour", u"--contrast|black"_s, 2, u"back colour"_s);
        row("two answers at once", u"--convert|red|--nearest|red"_s, 2, u"one of"_s);
        row("regression: Qt's -reverse read as -v", u"-reverse|--convert|red"_s, 2,
            u"Unknown option 'reverse'"_s);
        row("help", u"--help"_s, 0, u"--convert <color>(.|\n)+--contrast <foreground>"_s);
        row("version", u"--version"_s, 0, u"^Tintora Conversions 1.0\n$"_s);
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(TINTORA_PROGRAM_DIR u"/tintora"_s, arguments);
        QVERIFY(process.waitForFinished());
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == status
                     && (status == 2 ? out.isEmpty() && err.contains(QRegularExpression(answer))
                                     : err.isEmpty() && out.contains(QRegularExpression(answer))),
                 qPrintable(
                     u"status %1, output:\n%2\nerror: %3"_s.arg(process.exitCode()).arg(out, err)));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
