#include "window/commandline.h"

#include <QCommandLineParser>
#include <QLoggingCategory>

namespace Tintora {

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QCoreApplication::translate("Tintora::CommandLine",
                                                                 "Print what Qt WebEngine and the "
                                                                 "program note for information."));
    parser.addOption(verbose);
    // Other arguments are ignored, as they always were.
    parser.parse(arguments);
    return {parser.isSet(verbose)};
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
