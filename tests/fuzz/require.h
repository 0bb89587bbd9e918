#pragma once

#include <QtGlobal>

// Ends the run with the rule broken, so that libFuzzer keeps the input that broke it.
inline void require(bool condition, const char *what)
{
    if (!condition)
        qFatal("invariant broken: %s", what);
}
