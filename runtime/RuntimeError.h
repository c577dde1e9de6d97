#pragma once

#include <stdexcept>
#include <string>

namespace trivelan::runtime {

// The error numbers the program can raise, with the classic numbering so that
// the fatal report reads the way students know it.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    NoSuchControlArrayElement = 340,
};

// The exit status of a program ended by an unhandled run-time error.
inline constexpr int kFatalExitStatus = 1;

// A run-time error: unhandled, it ends the program with its standard message.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(ErrorNumber number);

    [[nodiscard]] int Number() const noexcept { return static_cast<int>(number_); }
    // The standard description, e.g. "Overflow" for error 6 (UTF-8).
    [[nodiscard]] std::string Description() const { return what(); }
    // "Run-time error '6':" + blank line + description, as the fatal report shows it.
    [[nodiscard]] std::string StandardMessage() const;

  private:
    ErrorNumber number_;
};

[[nodiscard]] const char* DescriptionOf(ErrorNumber number) noexcept;

}  // namespace trivelan::runtime
