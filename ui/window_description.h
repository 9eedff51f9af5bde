#pragma once

#include <array>
#include <string_view>

namespace vorrelin {

// The window as data: what the platform builds it from. Positions and sizes are in twips,
// 1/1440 inch, from the top-left corner of the client area; 15 twips make a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { PictureBox, CommandButton, TextBox, Label };

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view text; // caption or initial text
    int left;
    int top;
    int width;
    int height;
};

struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    // In tab order; labels take no focus and are passed over.
    std::array<ControlDescription, 8> controls;
};

inline constexpr WindowDescription kForm1 = {
    "Form1",
    "Vorrelin曲線",
    8385,
    7230,
    {{
        {"Picture1", ControlKind::PictureBox, "", 120, 120, 6555, 6555},
        {"Command1", ControlKind::CommandButton, "描画", 6840, 360, 615, 375},
        {"Text1", ControlKind::TextBox, "5", 6840, 1080, 615, 270},
        {"Label1", ControlKind::Label, "次数", 6840, 840, 975, 375},
        {"Command2", ControlKind::CommandButton, "自動実行", 6840, 1560, 975, 375},
        {"Command3", ControlKind::CommandButton, "停止", 6840, 3120, 975, 375},
        {"Text2", ControlKind::TextBox, "500", 6840, 2280, 735, 270},
        {"Label2", ControlKind::Label, "タイマー間隔", 6840, 2040, 1335, 255},
    }},
};

} // namespace vorrelin
