// A robustness run: many thousands of random events against a window without a screen, drawing
// on the real raster surface: clicks on the three buttons, timer ticks, and texts typed into
// both fields (empty, blanks, random bytes and broken UTF-8, huge and tiny numbers, full-width
// digits, exponents). Nothing may crash, every error must be one the program can raise, and
// the window's variables must keep their invariants after every event.
//
// Seeded: VORRELIN_SEED=n replays a run. Orders of 9 and more draw millions of segments and
// come rarely; the run stops after a minute whatever it has done.

#include "platform/raster_surface.h"
#include "ui/headless_form.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

namespace vorrelin {
namespace {

constexpr int kEvents = 20000;
constexpr auto kTimeLimit = std::chrono::seconds(60);

class TextMaker {
public:
    explicit TextMaker(std::mt19937_64& random) : random_(random) {}

    std::string Order() {
        switch (Pick(10)) {
        case 0:
            return Noise();
        case 1:
            return Pick(2) ? "" : std::string(Pick(5), ' ');
        case 2: // a full-width order
            return "\xef\xbc" + std::string(1, static_cast<char>(0x90 + Pick(9)));
        case 3: // beyond any order that can be drawn: the overflow error, before any drawing
            return Pick(2) ? "1e" + std::to_string(2 + Pick(400))
                           : std::to_string(14 + Pick(40000));
        case 4: // tiny or fractional
            return Pick(2) ? "1e-" + std::to_string(Pick(400)) : std::to_string(Pick(90) / 10.0);
        default: {
            // Mostly small whole orders; 9 to 11 now and then.
            const int order = Pick(200) == 0 ? 9 + Pick(3) : static_cast<int>(Pick(12)) - 3;
            const std::string text = std::to_string(order);
            return Pick(4) == 0 ? " " + text + "abc" : text;
        }
        }
    }

    std::string Interval() {
        switch (Pick(6)) {
        case 0:
            return Noise();
        case 1:
            return "-" + std::to_string(Pick(1000));
        case 2:
            return std::to_string(3000000000.0 + Pick(1000)) + "d0";
        case 3:
            return "0";
        default:
            return std::to_string(1 + Pick(1000)) + (Pick(2) ? ".5" : "");
        }
    }

private:
    unsigned Pick(unsigned n) { return static_cast<unsigned>(random_() % n); }

    // Random bytes, broken UTF-8 among them.
    std::string Noise() {
        std::string text(Pick(12), '\0');
        for (char& c : text) {
            c = static_cast<char>(Pick(256));
        }
        return text;
    }

    std::mt19937_64& random_;
};

TEST(Robustness, RandomEventsLeaveTheWindowSound) {
    const char* seedText = std::getenv("VORRELIN_SEED");
    const std::uint64_t seed = seedText ? std::strtoull(seedText, nullptr, 10) : 20261206;
    SCOPED_TRACE("VORRELIN_SEED=" + std::to_string(seed));
    std::mt19937_64 random(seed);
    TextMaker texts(random);

    RasterSurface surface(433, 433);
    HeadlessForm window(surface);
    window.form.Form_Load();
    const FormState& s = window.form.state;
    std::map<int, int> errors;
    bool autoRunPressed = false;

    const auto start = std::chrono::steady_clock::now();
    int event = 0;
    for (; event < kEvents && std::chrono::steady_clock::now() - start < kTimeLimit; ++event) {
        const unsigned kind = static_cast<unsigned>(random() % 100);
        try {
            if (kind < 15) {
                window.form.Command1_Click();
            } else if (kind < 25) {
                autoRunPressed = true;
                window.form.Command2_Click();
            } else if (kind < 32) {
                window.form.Command3_Click();
            } else if (kind < 60) {
                window.Timer1.Elapse(static_cast<std::int64_t>(random() % 2000));
            } else if (kind < 85) {
                window.Text1.Text(texts.Order());
            } else {
                window.Text2.Text(texts.Interval());
            }
        } catch (const RuntimeError& e) {
            ++errors[e.Number()];
            ASSERT_TRUE(e.Number() == RuntimeError::kOverflow ||
                        e.Number() == RuntimeError::kInvalidPropertyValue)
                << "event " << event << ": error " << e.Number();
        }

        ASSERT_TRUE(s.AutoLevel >= (autoRunPressed ? 1 : 0) && s.AutoLevel <= 6)
            << "event " << event << ": AutoLevel " << s.AutoLevel;
        ASSERT_TRUE(s.AutoDir >= -1 && s.AutoDir <= 1) << "event " << event;
        ASSERT_TRUE(s.StopRequested == 0 || s.StopRequested == -1) << "event " << event;
        ASSERT_TRUE(s.SegmentCount >= 0 && s.SegmentCount <= 1536 &&
                    s.SegmentCount == std::floor(s.SegmentCount))
            << "event " << event << ": SegmentCount " << s.SegmentCount;
        ASSERT_TRUE(!window.Timer1.Ticking() || window.Timer1.Interval() > 0) << "event " << event;
    }
    std::printf("robustness: seed %llu, %d events, errors:", static_cast<unsigned long long>(seed),
                event);
    for (const auto& [number, count] : errors) {
        std::printf(" %d x%d", number, count);
    }
    std::printf("\n");
    EXPECT_GT(errors[RuntimeError::kOverflow], 0);
    EXPECT_GT(errors[RuntimeError::kInvalidPropertyValue], 0);
}

} // namespace
} // namespace vorrelin
