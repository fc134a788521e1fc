#pragma once

#include <csignal>

namespace parvola {

// Makes Ctrl+C and SIGTERM set the flag returned instead of ending the program, so that the job stops at its
// next block and takes back what it wrote. Without SA_RESTART, so that a question waiting for its answer
// gives up too.
const volatile std::sig_atomic_t* CatchInterrupts();

} // namespace parvola
