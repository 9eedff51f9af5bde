// libFuzzer target for the number parser: any bytes give a finite number or the overflow
// error, and a character that cannot continue a number never changes the result.
#include "platform/conversions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = vorrelin::NumericPrefix(text);
        if (!std::isfinite(value) || vorrelin::NumericPrefix(text + "z") != value) {
            std::abort();
        }
    } catch (const vorrelin::RuntimeError& e) {
        if (e.Number() != vorrelin::RuntimeError::kOverflow) {
            std::abort();
        }
    }
    return 0;
}
