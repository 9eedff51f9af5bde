#include "runtime/conversions.h"
#include "support.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace vorrelin {
namespace {

using testing::ErrorOf;
constexpr int kOverflow = RuntimeError::kOverflow;
#ifdef _WIN32
constexpr const char* kGerman = "German_Germany.1252";
#else
constexpr const char* kGerman = "de_DE.UTF-8";
#endif
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Full-width digits, signs, point and space count as their ASCII twins; beyond a double is the
// overflow error; under German, where the C library takes a comma, "2.5" is still two and a half
// (skipped where the system has no German).
TEST(NumericPrefix, ReadsTheLongestLeadingNumberWhateverTheLocale) {
    const std::shared_ptr<void> kept(
        nullptr, [previous = std::string(std::setlocale(LC_ALL, nullptr))](void*) {
            std::setlocale(LC_ALL, previous.c_str());
        });
    // clang-format off
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {"   ", 0}, {"abc", 0}, {"  5", 5}, {"\t\r\n7", 7}, {"5abc", 5}, {"-3", -3},
        {"+2", 2}, {"2,5", 2}, {"- 2", 0}, {".5", 0.5}, {"5.", 5}, {".", 0}, {"-.5", -0.5},
        {"1.2.3", 1.2}, {"1E3", 1000}, {"1d3", 1000}, {"2D-2", 0.02}, {"1e+2", 100}, {"1e", 1},
        {"1e-x", 1}, {"e5", 0}, {"1 2", 1}, {"inf", 0}, {"nan", 0}, {"0x1p3", 0}, {"&H10", 0},
        {"00012", 12}, {"1e-400", 0}, {"0e999999999999", 0}, {"１２", 12}, {"－３．５", -3.5},
        {"＋４", 4}, {"　8", 8}, {"1０e1", 100}, {"\xef\xbc", 0}, {"5\xff", 5}};
    // clang-format on
    for (const char* locale : {"C", kGerman}) {
        if (!std::setlocale(LC_ALL, locale)) {
            GTEST_SKIP() << "no locale " << locale;
        }
        for (const auto& c : cases) {
            EXPECT_EQ(NumericPrefix(c.text), c.value) << '"' << c.text << "\" in " << locale;
        }
        EXPECT_EQ(NumericPrefix("1.7976931348623157e308"), std::numeric_limits<double>::max());
        for (const char* text : {"1e400", "-1e400", "1e99999999999999999999"}) {
            EXPECT_EQ(ErrorOf([&] { NumericPrefix(text); }), kOverflow) << text;
        }
    }
}

// Each value rounded into 16 and into 32 bits; no value means the overflow error.
TEST(Rounding, GoesToTheNearestWholeNumberAndHalvesToTheEvenOne) {
    // clang-format off
    const struct {
        double value;
        std::optional<std::int16_t> to16;
        std::optional<std::int32_t> to32;
    } cases[] = {
        {2.5, 2, 2}, {3.5, 4, 4}, {-2.5, -2, -2}, {-3.5, -4, -4}, {0.6, 1, 1}, {-0.5, 0, 0},
        {333.333, 333, 333}, {32767.4, 32767, 32767}, {32767.5, {}, 32768},
        {-32768.5, -32768, -32768}, {-32768.6, {}, -32769}, {2147483647.4, {}, 2147483647},
        {2147483647.5, {}, {}}, {-2147483648.5, {}, -2147483648}, {3e9, {}, {}}, {kNaN, {}, {}},
        {kInfinity, {}, {}}};
    // clang-format on
    for (const auto& c : cases) {
        std::optional<std::int16_t> to16;
        std::optional<std::int32_t> to32;
        EXPECT_EQ(ErrorOf([&] { to16 = RoundToInt16(c.value); }), c.to16 ? 0 : kOverflow);
        EXPECT_EQ(ErrorOf([&] { to32 = RoundToInt32(c.value); }), c.to32 ? 0 : kOverflow);
        EXPECT_EQ(to16, c.to16) << c.value;
        EXPECT_EQ(to32, c.to32) << c.value;
    }
}

TEST(Checked16, RaisesTheOverflowErrorInsteadOfWrapping) {
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_EQ(Multiply16(-2, 16384), -32768);
    EXPECT_EQ(Negate16(-32767), 32767);
    for (auto overflow : {+[] { Add16(32767, 1); }, +[] { Subtract16(-32768, 1); },
                          +[] { Multiply16(2, 16384); }, +[] { Negate16(-32768); }}) {
        EXPECT_EQ(ErrorOf(overflow), kOverflow);
    }
}

} // namespace
} // namespace vorrelin
