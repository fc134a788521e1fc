// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>

namespace parvola {

// Makes Ctrl+C, SIGTERM and SIGHUP set the flag returned instead of ending the program, so that the job stops
// at its next block and takes back what it wrote. Without SA_RESTART, so that a question waiting for its
// answer gives up too. SIGPIPE is ignored: a closed output is a failed write, which the console takes for
// nobody listening. On Windows the console's Ctrl+C, Ctrl+Break and its closing set the flag the same way.
const volatile std::sig_atomic_t* CatchInterrupts();

} // namespace parvola
