#pragma once

// The program's version, in one place: the title, the about box, the
// executable's version resource (the resource compiler reads this file too)
// and the release packages (scripts/package.sh and CMake read the three
// numbers) all take it from here. Plain defines, as the resource compiler
// understands nothing else.
#define VANTORIX_VERSION_MAJOR 7
#define VANTORIX_VERSION_MINOR 4
#define VANTORIX_VERSION_PATCH 1

#define VANTORIX_STRINGIFY_(x) #x
#define VANTORIX_STRINGIFY(x) VANTORIX_STRINGIFY_(x)
#define VANTORIX_VERSION_TEXT                                                    \
    VANTORIX_STRINGIFY(VANTORIX_VERSION_MAJOR)                                   \
    "." VANTORIX_STRINGIFY(VANTORIX_VERSION_MINOR) "." VANTORIX_STRINGIFY(VANTORIX_VERSION_PATCH)
