#pragma once

#include <cstdint>

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

namespace vorrelin {

// The four bytes of a 32-bit value in the opposite order: one instruction where it is built in.
constexpr std::uint32_t ByteSwap32(std::uint32_t value) {
#if defined(__GNUC__)
    return __builtin_bswap32(value);
#else
    return value >> 24 | (value >> 8 & 0xFF00) | (value << 8 & 0xFF0000) | value << 24;
#endif
}

} // namespace vorrelin
