#pragma once

#include "platform/web/page.h"
#include "window/text_field.h"

#include <string>
#include <string_view>
#include <utility>

namespace vorrelin::web {

// A text field on an <input> element: its value, as UTF-8.
class InputField : public TextField {
public:
    explicit InputField(val input) : input_(std::move(input)) {}

    std::string Text() const override { return input_["value"].as<std::string>(); }
    void Text(std::string_view text) override { input_.set("value", web::Text(text)); }

private:
    val input_;
};

} // namespace vorrelin::web
