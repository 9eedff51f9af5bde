#pragma once

// The compiler-specific spellings of the drawing's hot path, in one place. GCC and Clang, and
// MinGW's GCC with them, take the attributes as written; another compiler gets the nearest
// portable meaning, which costs speed, not correctness.
#if defined(__GNUC__)
// Inline even where the compiler's estimate says not to: a call in the per-segment loop makes
// it keep the pen on the stack.
#define VORRELIN_ALWAYS_INLINE [[gnu::always_inline]] inline
#define VORRELIN_NOINLINE [[gnu::noinline]]
// Out of line and out of the way: code the drawing almost never reaches.
#define VORRELIN_COLD [[gnu::noinline, gnu::cold]]
#else
#define VORRELIN_ALWAYS_INLINE inline
#define VORRELIN_NOINLINE
#define VORRELIN_COLD
#endif
