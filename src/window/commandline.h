#pragma once

#include <QStringList>

namespace Tintora {

// What the command line asks for.
struct CommandLine
{
    // --verbose: Qt WebEngine's and Chromium's notes, and the program's own, on standard error.
    bool verbose = false;
};

CommandLine parseCommandLine(const QStringList &arguments);

// Standard error is kept for real errors: unless verbose, the notes that Qt and Qt WebEngine print
// for information stay off. QT_LOGGING_RULES still wins over these rules.
void setVerbose(bool verbose);

} // namespace Tintora
