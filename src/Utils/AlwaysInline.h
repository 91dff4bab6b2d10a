#pragma once

// For the few small functions on the tick's per-slot path whose call would
// cost more than their body: the tick runs them thousands of times, and the
// compiler's own estimate leaves them out of line.
#if defined(_MSC_VER)
#define VRX_ALWAYS_INLINE __forceinline
#else
#define VRX_ALWAYS_INLINE [[gnu::always_inline]] inline
#endif
