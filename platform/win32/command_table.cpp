#include "platform/win32/command_table.h"

#include "platform/win32/error.h"

#include <utility>

namespace vorrelin::win32 {

void CommandTable::Add(wchar_t key, std::function<void()> run) {
    keys_.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(key),
                     static_cast<WORD>(kCommandIds.Id(commands_.size()))});
    commands_.push_back(std::move(run));
    table_ = AcceleratorTable(CreateAcceleratorTableW(keys_.data(), static_cast<int>(keys_.size())));
    if (!table_) {
        ThrowLastError("CreateAcceleratorTable");
    }
}

bool CommandTable::Run(UINT_PTR id) const {
    const std::optional<std::size_t> index = kCommandIds.IndexOf(id);
    if (!index || *index >= commands_.size()) {
        return false;
    }
    commands_[*index]();
    return true;
}

bool CommandTable::Translate(HWND window, MSG& message) const {
    return table_ && TranslateAcceleratorW(window, table_.Get(), &message);
}

} // namespace vorrelin::win32
