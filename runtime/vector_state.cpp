#include "runtime/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace vorrelin {

#if defined(__x86_64__) || defined(__i386__)

namespace {

[[gnu::target("avx")]] void ZeroUpper() {
    _mm256_zeroupper();
}

} // namespace

void ReleaseUpperVectorHalves() {
    static const bool hasAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (hasAvx) {
        ZeroUpper();
    }
}

#else

void ReleaseUpperVectorHalves() {}

#endif

} // namespace vorrelin
