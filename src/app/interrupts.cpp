// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/interrupts.h"

#include <signal.h>

namespace parvola {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
}

} // namespace

const volatile std::sig_atomic_t* CatchInterrupts() {
    struct sigaction interrupt {};
    interrupt.sa_handler = OnInterrupt;
    sigemptyset(&interrupt.sa_mask);
    sigaction(SIGINT, &interrupt, nullptr);
    sigaction(SIGTERM, &interrupt, nullptr);
    sigaction(SIGHUP, &interrupt, nullptr);
    // A reader that went away fails the write instead of killing the run halfway through.
    signal(SIGPIPE, SIG_IGN);
    return &g_interrupted;
}

} // namespace parvola
