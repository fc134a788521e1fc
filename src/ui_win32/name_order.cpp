// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/name_order.h"

#include "ui_win32/wingui/text.h"

#include <windows.h>

#include <algorithm>

namespace parvola {

namespace {

int Compare(const std::wstring& a, const std::wstring& b) {
    constexpr DWORD kFlags = LINGUISTIC_IGNORECASE | SORT_DIGITSASNUMBERS;
    int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, a.c_str(), static_cast<int>(a.size()),
                                 b.c_str(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    if (result == 0) { // a system without numeric order
        result =
            CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                            b.c_str(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    }
    return result;
}

} // namespace

void SortNames(std::vector<std::string>& names) {
    std::vector<std::pair<std::wstring, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) {
        keyed.emplace_back(wingui::Wide(name), std::move(name));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return Compare(a.first, b.first) == CSTR_LESS_THAN;
    });
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = std::move(keyed[i].second);
    }
}

} // namespace parvola
