#pragma once

#include <optional>
#include <string>

namespace parvola {

// The number a stored setting stands for ("1", " 2 ", "1.0"), read the same in every locale; no value for
// text that is not a number as a whole ("", "abc", "1x").
std::optional<double> NumberIn(const std::string& text);

} // namespace parvola
