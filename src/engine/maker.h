// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parvola {

// The maker's addresses, written into the rejoin script and the readme and shown by the about box.
inline constexpr const char* kMakerWebAddress = "https://www.orvane.example/parvola";
inline constexpr const char* kMakerEmail = "parvola@orvane.example";

} // namespace parvola
