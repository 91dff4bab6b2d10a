#pragma once

// Lets the compiler check printf-style arguments against their format.
#if defined(__MINGW32__)
#define VRX_PRINTF(formatIndex, firstArgument) __attribute__((format(gnu_printf, formatIndex, firstArgument)))
#elif defined(__GNUC__) || defined(__clang__)
#define VRX_PRINTF(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define VRX_PRINTF(formatIndex, firstArgument)
#endif
