#pragma once

#include <stdexcept>
#include <string>

namespace vorrelin {

// A run-time error as the user is told of it: the error number and its Japanese message.
// Errors travel up as this exception; no procedure of the window traps one.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}

    int Number() const noexcept { return number_; }

    static RuntimeError Overflow() { return {kOverflow, "オーバーフローしました。"}; }
    static RuntimeError InvalidPropertyValue() {
        return {kInvalidPropertyValue, "無効なプロパティ値です。"};
    }

    static constexpr int kOverflow = 6;
    static constexpr int kInvalidPropertyValue = 380;

private:
    int number_;
};

} // namespace vorrelin
