// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace parvola {

// Calls member(text, {"auth.no_user_interaction": true}) on the system bus and waits up to timeoutUs for the
// answer. No value: it succeeded; else why not, in the bus's or the service's words.
std::optional<std::string> CallSystemBus(const std::string& service, const std::string& object,
                                         const std::string& interface, const std::string& member,
                                         const std::string& text, std::uint64_t timeoutUs);

} // namespace parvola
