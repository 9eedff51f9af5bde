// Leaks on purpose: under the sanitizer runs' suppressions, a leak of the program's own fails.

#include <cstdlib>

namespace {

void* volatile held;

} // namespace

int main() {
    for (int i = 0; i < 8; ++i) {
        held = std::malloc(64);
    }
    held = nullptr;
    return 0;
}
