#include "window/commandline.h"

#include "core/catalogloader.h"
#include "core/cmykconverter.h"
#include "core/cmykprofiles.h"
#include "core/colordifference.h"
#include "core/notations.h"
#include "core/programfolder.h"
#include "widgets/colorentry.h"
#include "window/commandlinereports.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cstdio>

namespace Tintora {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Tintora::CommandLine", text);
}

// The program's options, which the parser reads and its help lists.
struct Options
{
    Options();

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption verbose {
        QStringLiteral("verbose"),
        tr("Print what Qt WebEngine and the program note for information.")};
    const QCommandLineOption convert {QStringLiteral("convert"),
                                      tr("Print <color> in every notation the program knows."),
                                      QStringLiteral("color")};
    const QCommandLineOption nearest {
        QStringLiteral("nearest"),
        tr("Print the catalog entry nearest to <color>, with its colour difference ΔE."),
        QStringLiteral("color")};
    const QCommandLineOption contrast {
        QStringLiteral("contrast"),
        tr("Print the contrast of the text colour <foreground> on the back colour given after it: "
           "the WCAG 2 ratio, its verdicts and the APCA lightness contrast."),
        QStringLiteral("foreground")};
    const QCommandLineOption json {QStringLiteral("json"),
                                   tr("Print a conversion as JSON rather than as lines of text.")};
};

Options::Options()
{
    // Qt's own options are single-dash words (-reverse, -stylesheet): read as bundles of letters
    // they would hold -v or -h and answer instead of opening the window.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Color Conversions for Documents and Web Pages. Without options it opens its window; "
           "the options that print need no window and no display. A colour is any that a "
           "read-out box takes: #3399CC, rgb(51, 153, 204), hsl(200, 60%, 50%), steelblue, "
           "13408563, oklch(0.65 0.1 240) and every other colour of a style sheet."));
    for (const QCommandLineOption *option : {&verbose, &convert, &nearest, &contrast, &json})
        parser.addOption(*option);
    parser.addPositionalArgument(QStringLiteral("background"),
                                 tr("The back colour, after --contrast <foreground>."),
                                 QStringLiteral("[background]"));
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// What went wrong, on standard error after the program's name, as the parser and the read-outs
// word it.
int fail(const QStringList &arguments, int status, const QString &message)
{
    print(stderr,
          QFileInfo(arguments.value(0)).fileName() + QStringLiteral(": ") + message + u'\n');
    return status;
}

// The default CMYK press profile, where it is installed; without it the converter says so.
CmykConverter defaultCmykConverter()
{
    const QStringList folders = profileFolders();
    for (const QString &folder : folders) {
        const QString path = folder + u'/' + defaultCmykProfile();
        if (QFileInfo(path).isFile())
            return CmykConverter(path, RenderingIntent::RelativeColorimetric);
    }
    return CmykConverter();
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    Options options;
    // Options of Qt's own and any others are left to Qt, as they always were.
    options.parser.parse(arguments);
    bool windowless = false;
    for (const QCommandLineOption *option : {&options.help, &options.version, &options.convert,
                                             &options.nearest, &options.contrast, &options.json})
        windowless = windowless || options.parser.isSet(*option);
    return {options.parser.isSet(options.verbose), windowless};
}

int answerCommandLine(const QStringList &arguments)
{
    Options options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(arguments))
        return fail(arguments, 2, parser.errorText());
    if (parser.isSet(options.help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(options.version)) {
        print(stdout,
              QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion()
                  + u'\n');
        return 0;
    }

    const bool tasks[] = {parser.isSet(options.convert), parser.isSet(options.nearest),
                          parser.isSet(options.contrast)};
    if (std::count(std::begin(tasks), std::end(tasks), true) != 1)
        return fail(arguments, 2, tr("Give one of --convert, --nearest and --contrast."));
    const QCommandLineOption &task = tasks[0] ? options.convert
        : tasks[1]                            ? options.nearest
                                              : options.contrast;
    const QStringList colors = QStringList {parser.value(task)} + parser.positionalArguments();
    const qsizetype wanted = &task == &options.contrast ? 2 : 1;
    if (colors.size() < wanted)
        return fail(arguments, 2, tr("--contrast needs a back colour after the text colour."));
    if (colors.size() > wanted)
        return fail(arguments, 2, tr("Unexpected argument \"%1\".").arg(colors.at(wanted)));
    QList<ParsedColor> parsed;
    for (const QString &text : colors) {
        const std::optional<ParsedColor> color = parseColorText(text, Notation::Any);
        if (!color)
            return fail(
                arguments, 2,
                tr("No colour: \"%1\". Give %2.").arg(text, acceptedNotations(Notation::Any)));
        parsed.append(*color);
    }

    Report report;
    int status = 0;
    if (&task == &options.contrast) {
        report = contrastReport(parsed.at(0).color, parsed.at(1).color);
    } else {
        // The catalogue the program shows, from the folder beside it.
        const CatalogLoadResult loaded = loadCatalog(programFolderPath());
        if (!loaded.ok())
            status = fail(arguments, 1, loaded.message);
        const NearestColorSearch search(loaded.catalog.colors());
        if (&task == &options.nearest) {
            if (!loaded.ok())
                return status;
            report = nearestReport(parsed.at(0).color, loaded.catalog, search);
        } else {
            const CatalogNames catalog
                = loaded.ok() ? CatalogNames {&search, &loaded.catalog.names} : CatalogNames {};
            report = conversionReport(parsed.at(0), catalog, defaultCmykConverter());
        }
    }
    print(stdout,
          parser.isSet(options.json) ? QString::fromUtf8(reportJson(report)) : reportText(report));
    return status;
}

void setVerbose(bool verbose)
{
    // "default" holds Qt WebEngine's "Sandboxing disabled by user.", which the program asks for
    // when it runs as root; the browser plug-in keeps Chromium's log off with Qt WebEngine's notes.
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("tintora.*.info=true")
                                             : QStringLiteral("default.info=false\n"
                                                              "qt.webenginecontext.info=false"));
}

} // namespace Tintora
