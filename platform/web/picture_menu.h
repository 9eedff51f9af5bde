#pragma once

#include "platform/web/page.h"
#include "window/menu_command.h"

#include <functional>
#include <vector>

namespace vorrelin::web {

// A control's menu of commands on the page, as a desktop shows one: opened by a right click, a
// long press, Shift+F10 or the menu key; from the keyboard on its first item. Arrow keys move
// among the items, Return or Space runs one, Escape, Tab or a click elsewhere closes it. A
// command runs through `run`, once the menu has closed and given the focus back.
class PictureMenu {
public:
    PictureMenu(val owner, val container, const std::vector<MenuCommand>& commands,
                std::function<void(std::size_t command)> run);
    PictureMenu(const PictureMenu&) = delete;
    PictureMenu& operator=(const PictureMenu&) = delete;

private:
    void Open(double x, double y, bool fromKeyboard);
    void Close();
    bool IsOpen() const;
    void Move(int by);
    void Run(std::size_t item);
    void OnKey(const val& event);
    void WatchLongPress();

    val owner_;
    val menu_;
    std::vector<val> items_;
    std::function<void(std::size_t)> run_;
    long longPress_ = 0;
    double pressX_ = 0;
    double pressY_ = 0;
};

} // namespace vorrelin::web
