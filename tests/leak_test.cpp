// Loses memory on purpose, to prove that LeakSanitizer still fails a leak of the program's own
// with the suppressions the sanitizer runs use.

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
