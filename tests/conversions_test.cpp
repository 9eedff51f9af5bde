#include "platform/conversions.h"

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>

namespace vorrelin {
namespace {

int ErrorOf(auto&& operation) {
    try {
        operation();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

struct PrefixCase {
    const char* text;
    double value;
};

void PrintTo(const PrefixCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class NumericPrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(NumericPrefixTest, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(NumericPrefix(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericPrefixTest,
    ::testing::Values(
        PrefixCase{"", 0}, PrefixCase{"   ", 0}, PrefixCase{"abc", 0}, PrefixCase{"5", 5},
        PrefixCase{"  5", 5}, PrefixCase{"\t\r\n7", 7}, PrefixCase{"5abc", 5}, PrefixCase{"-3", -3},
        PrefixCase{"+2", 2}, PrefixCase{"- 2", 0}, PrefixCase{"2.5", 2.5}, PrefixCase{".5", 0.5},
        PrefixCase{"5.", 5}, PrefixCase{".", 0}, PrefixCase{"-", 0}, PrefixCase{"-.5", -0.5},
        PrefixCase{"1.2.3", 1.2}, PrefixCase{"1e3", 1000}, PrefixCase{"1E3", 1000},
        PrefixCase{"1d3", 1000}, PrefixCase{"2D-2", 0.02}, PrefixCase{"1e+2", 100},
        PrefixCase{"1e", 1}, PrefixCase{"1e+", 1}, PrefixCase{"1e-x", 1}, PrefixCase{"e5", 0},
        PrefixCase{".e5", 0}, PrefixCase{"1 2", 1}, PrefixCase{"inf", 0}, PrefixCase{"nan", 0},
        PrefixCase{"infinity", 0}, PrefixCase{"0x1p3", 0}, PrefixCase{"&H10", 0},
        PrefixCase{"1e-400", 0}, PrefixCase{"-1e-400", 0},
        PrefixCase{"0.000000000000000000000000000001e-300", 0}, PrefixCase{"0e999999999999", 0},
        PrefixCase{"00012", 12}, PrefixCase{"13.7", 13.7},
        // Full-width digits, signs and point, and the ideographic space, as typed in Japanese.
        PrefixCase{"\xef\xbc\x91\xef\xbc\x92", 12},                           // １２
        PrefixCase{"\xef\xbc\x8d\xef\xbc\x93\xef\xbc\x8e\xef\xbc\x95", -3.5}, // －３．５
        PrefixCase{"\xef\xbc\x8b\xef\xbc\x94", 4},                            // ＋４
        PrefixCase{"\xe3\x80\x80"
                   "8",
                   8}, // U+3000 then 8
        PrefixCase{"1\xef\xbc\x90"
                   "e1",
                   100}, // 1０e1
        PrefixCase{"\xef\xbc", 0}, PrefixCase{"5\xff", 5}));

TEST(NumericPrefix, NumbersBeyondTheDoubleRangeAreTheOverflowError) {
    for (const char* text : {"1e400", "-1e400", "1e99999999999999999999", "9e308"}) {
        EXPECT_EQ(ErrorOf([&] { NumericPrefix(text); }), RuntimeError::kOverflow) << text;
    }
    EXPECT_EQ(NumericPrefix("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

// Qt sets the C library's locale from the environment; under German a comma is the decimal
// separator, but the order field still reads "2.5" as two and a half.
TEST(NumericPrefix, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    const double value = NumericPrefix("2.5");
    const double comma = NumericPrefix("2,5");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(comma, 2);
}

// Every case the fuzzer has kept must parse to a finite number or raise only the overflow
// error, and a character that cannot continue a number must never change the result.
TEST(NumericPrefix, KeptFuzzCasesHoldTheirProperties) {
    int cases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VORRELIN_FUZZ_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        double value = 0;
        const int error = ErrorOf([&] { value = NumericPrefix(text); });
        EXPECT_TRUE(error == 0 || error == RuntimeError::kOverflow) << entry.path();
        if (error == 0) {
            EXPECT_TRUE(std::isfinite(value)) << entry.path();
            EXPECT_EQ(NumericPrefix(text + "z"), value) << entry.path();
        }
        ++cases;
    }
    EXPECT_GT(cases, 0);
}

struct RoundCase {
    double value;
    int rounded; // 0 together with overflow = true means the overflow error
    bool overflow = false;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << c.value;
}

class RoundToInt16Test : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16Test, RoundsHalvesToEvenWithinRange) {
    const RoundCase c = GetParam();
    if (c.overflow) {
        EXPECT_EQ(ErrorOf([&] { RoundToInt16(c.value); }), RuntimeError::kOverflow) << c.value;
    } else {
        EXPECT_EQ(RoundToInt16(c.value), c.rounded) << c.value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToInt16Test,
    ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                      RoundCase{-3.5, -4}, RoundCase{0.5, 0}, RoundCase{-0.5, 0}, RoundCase{0.6, 1},
                      RoundCase{4.6, 5}, RoundCase{1.5, 2}, RoundCase{333.333, 333},
                      RoundCase{32767.4, 32767}, RoundCase{32767.5, 0, true},
                      RoundCase{-32768.5, -32768}, RoundCase{-32768.6, 0, true},
                      RoundCase{1e9, 0, true},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), 0, true},
                      RoundCase{std::numeric_limits<double>::infinity(), 0, true}));

TEST(RoundToInt32, RoundsIntoThirtyTwoBits) {
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);
    EXPECT_EQ(ErrorOf([] { RoundToInt32(2147483647.5); }), RuntimeError::kOverflow);
    EXPECT_EQ(ErrorOf([] { RoundToInt32(3e9); }), RuntimeError::kOverflow);
}

TEST(Checked16, RaisesOverflowInsteadOfWrapping) {
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_EQ(ErrorOf([] { Add16(32767, 1); }), RuntimeError::kOverflow);
    EXPECT_EQ(ErrorOf([] { Subtract16(-32768, 1); }), RuntimeError::kOverflow);
    EXPECT_EQ(Multiply16(-2, 16384), -32768);
    EXPECT_EQ(ErrorOf([] { Multiply16(2, 16384); }), RuntimeError::kOverflow);
    EXPECT_EQ(ErrorOf([] { Negate16(-32768); }), RuntimeError::kOverflow);
}

} // namespace
} // namespace vorrelin
