// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace parvola {

// The order the system's file lists show names in: without regard to case, numbers by their value
// ("part.9" before "part.10"). Negative, zero or positive as a comes before, with or after b. Names these
// rules hold equal ("a", "A") still get a fixed order, by their bytes, so that one can be found again.
int CompareNames(const std::string& a, const std::string& b);

// Sorts names by CompareNames, quickly also for a folder with a hundred thousand entries.
void SortNames(std::vector<std::string>& names);

} // namespace parvola
