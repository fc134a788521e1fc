// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/file_pattern.h"

namespace parvola {

bool ShowsHiddenNames(const std::string& patterns) {
    bool partStart = true;
    for (const char c : patterns) {
        if (c == ';' || c == ',') {
            partStart = true;
        } else if (c != ' ' && c != '\t') {
            if (partStart && c == '.') {
                return true;
            }
            partStart = false;
        }
    }
    return false;
}

} // namespace parvola
