#include "RuntimeError.h"

namespace trivelan::runtime {

const char* DescriptionOf(ErrorNumber number) noexcept {
    switch (number) {
        case ErrorNumber::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::DivisionByZero:
            return "Division by zero";
        case ErrorNumber::NoSuchControlArrayElement:
            return "Control array element doesn't exist";
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(DescriptionOf(number)), number_(number) {}

std::string RuntimeError::StandardMessage() const {
    return "Run-time error '" + std::to_string(Number()) + "':\n\n" + Description();
}

}  // namespace trivelan::runtime
