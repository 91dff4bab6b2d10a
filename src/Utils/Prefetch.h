#pragma once

#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#endif

namespace vrx {

// Asks for the cache line at p ahead of its use, to be read or, where the
// processor can tell, written. The tick walks slots far apart in memory, one
// or two lines each, and asking for them well ahead hides most of the wait.
// A hint only: it never faults, whatever p.
enum class PrefetchFor { Reading, Writing };

template <PrefetchFor intent = PrefetchFor::Reading>
inline void prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p, intent == PrefetchFor::Writing ? 1 : 0);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
    _mm_prefetch(static_cast<const char*>(p), _MM_HINT_T0);
#else
    (void)p;
#endif
}

}  // namespace vrx
