#pragma once

#include "platform/win32/handles.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace vorrelin::win32 {

// A range of ids that a window's messages carry, first to first + size - 1, and the place of an
// id in it.
struct IdRange {
    int first;
    int size;

    constexpr int Id(std::size_t index) const { return first + static_cast<int>(index); }
    constexpr std::optional<std::size_t> IndexOf(UINT_PTR id) const {
        if (id < static_cast<UINT_PTR>(first) || id >= static_cast<UINT_PTR>(first + size)) {
            return {};
        }
        return static_cast<std::size_t>(id - static_cast<UINT_PTR>(first));
    }
};

// The ids of a window's controls, timers and commands, in ranges that do not meet. Control ids
// start above IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
inline constexpr IdRange kControlIds{100, 100};
inline constexpr IdRange kTimerIds{1000, 100};
inline constexpr IdRange kCommandIds{2000, 100};

// The commands whose keys work anywhere in a window: each runs with Ctrl and its key, through
// the window's accelerator table.
class CommandTable {
public:
    // Adds a command with its key, 'A' to 'Z'. Throws SystemError if the table cannot be made.
    void Add(wchar_t key, std::function<void()> run);
    // Runs the command of a WM_COMMAND's id; false if the id is none of its commands.
    bool Run(UINT_PTR id) const;
    // Runs the command whose key a message is, for the window it is meant for.
    bool Translate(HWND window, MSG& message) const;

private:
    std::vector<std::function<void()>> commands_;
    std::vector<ACCEL> keys_;
    AcceleratorTable table_;
};

} // namespace vorrelin::win32
