// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace parvola {

// Sorts names as the user's locale and Explorer do: without regard to case, numbers by their value
// ("file2" before "file10").
void SortNames(std::vector<std::string>& names);

} // namespace parvola
