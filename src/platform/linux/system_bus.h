// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

namespace parvola {

// Calls member(text, {"auth.no_user_interaction": true}) on the system bus and waits up to timeoutUs for the
// answer. No value: it succeeded; else why not, in the bus's or the service's words.
std::optional<std::string> CallSystemBus(const std::string& service, const std::string& object,
                                         const std::string& interface, const std::string& member,
                                         const std::string& text, std::uint64_t timeoutUs);

// The program of that name on $PATH, as the shell would start it; empty when there is none.
std::string FindProgram(const std::string& name);

// Runs program with arguments, its input and output the program's own, and waits for it. No value: it could
// not be started or did not end normally; else its exit status.
std::optional<int> RunProgram(const std::string& program, std::initializer_list<std::string> arguments);

} // namespace parvola
