#pragma once

#include <optional>
#include <string_view>

namespace trivelan::runtime {

// The double nearest to digits x 10^exponent (ties to even), where digits are
// ASCII decimal digits with no sign or point; nullopt when a nonzero number is
// beyond a double's range either way (it would round to infinity or to zero).
// The same code on every platform, and no C library: its strtod drags long
// double arithmetic into the page's download.
[[nodiscard]] std::optional<double> DecimalToDouble(std::string_view digits, long exponent);

}  // namespace trivelan::runtime
