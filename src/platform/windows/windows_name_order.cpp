// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/name_order.h"

#include "platform/windows/utf16.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace parvola {

namespace {

// As Explorer orders names; a system without numeric order still ignores case.
int CompareWide(const std::wstring& a, const std::wstring& b) {
    constexpr DWORD kFlags = LINGUISTIC_IGNORECASE | SORT_DIGITSASNUMBERS;
    int result = ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, a.c_str(), static_cast<int>(a.size()),
                                   b.c_str(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    if (result == 0) {
        result = ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                                   static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), nullptr,
                                   nullptr, 0);
    }
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

} // namespace

int CompareNames(const std::string& a, const std::string& b) {
    const int order = CompareWide(WideFromUtf8(a), WideFromUtf8(b));
    return order != 0 ? order : (a > b) - (a < b);
}

void SortNames(std::vector<std::string>& names) {
    // Each name is made wide once, not at every comparison.
    std::vector<std::pair<std::wstring, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) {
        keyed.emplace_back(WideFromUtf8(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = CompareWide(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = std::move(keyed[i].second);
    }
}

} // namespace parvola
