#pragma once

#include "window/window_description.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace vorrelin {

inline constexpr ControlDescription kForm1Controls[] = {
    {"Picture1", ControlKind::PictureBox, "", 120, 120, 6555, 6555},
    {"Command1", ControlKind::CommandButton, "描画", 6840, 360, 615, 375},
    {"Text1", ControlKind::TextBox, "5", 6840, 1080, 615, 270},
    {"Label1", ControlKind::Label, "次数", 6840, 840, 975, 375, "Text1"},
    {"Command2", ControlKind::CommandButton, "自動実行", 6840, 1560, 975, 375},
    {"Command3", ControlKind::CommandButton, "停止", 6840, 3120, 975, 375},
    {"Text2", ControlKind::TextBox, "500", 6840, 2280, 735, 270},
    {"Label2", ControlKind::Label, "タイマー間隔", 6840, 2040, 1335, 255, "Text2"},
};

static_assert(std::all_of(std::begin(kForm1Controls), std::end(kForm1Controls),
                          [](const ControlDescription& control) {
                              return control.labels.empty() ||
                                     std::any_of(
                                         std::begin(kForm1Controls), std::end(kForm1Controls),
                                         [&](const auto& c) { return c.name == control.labels; });
                          }),
              "a label names a control that Form1 does not have");

inline constexpr std::string_view kForm1Timers[] = {"Timer1"};

// Form1 as its description gives it: caption, client area, its controls in tab order and its
// timer.
inline constexpr WindowDescription kForm1 = {
    "Form1", "Vorrelin曲線", 8385, 7230, kForm1Controls, kForm1Timers,
};

} // namespace vorrelin
