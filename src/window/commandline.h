#pragma once

#include <QStringList>

namespace Tintora {

// What the command line asks for.
struct CommandLine
{
    // --verbose: Qt WebEngine's and Chromium's notes, and the program's own, on standard error.
    bool verbose = false;
    // --help, --version, --convert, --nearest, --contrast or --json: answered on the terminal by
    // answerCommandLine, without a window and so without a display.
    bool windowless = false;
};

CommandLine parseCommandLine(const QStringList &arguments);

// Answers a windowless command line: the help, the version or a conversion on standard output,
// what went wrong on standard error. Returns the exit status: 0; 1 when the catalogue cannot be
// read; 2 for a colour that cannot be read or any other usage error. Needs a QCoreApplication
// only, so it runs where there is no display.
int answerCommandLine(const QStringList &arguments);

// Standard error is kept for real errors: unless verbose, the notes that Qt and Qt WebEngine print
// for information stay off. QT_LOGGING_RULES still wins over these rules.
void setVerbose(bool verbose);

} // namespace Tintora
