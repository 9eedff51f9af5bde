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
    static RuntimeError OutOfMemory() { return {kOutOfMemory, "メモリが不足しています。"}; }
    static RuntimeError InvalidPropertyValue() {
        return {kInvalidPropertyValue, "無効なプロパティ値です。"};
    }
    // A fault of the program itself rather than of what the user did; `detail` is what the
    // program knows of it, for whoever reads the report to the developers.
    static RuntimeError Internal(const std::string& detail) {
        return {kInternal, detail.empty() ? "内部エラーです。" : "内部エラーです。\n" + detail};
    }

    static constexpr int kOverflow = 6;
    static constexpr int kOutOfMemory = 7;
    static constexpr int kInternal = 51;
    static constexpr int kInvalidPropertyValue = 380;

private:
    int number_;
};

} // namespace vorrelin
