// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/interrupts.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace parvola {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

#ifdef _WIN32

// Runs on a thread of its own. Ctrl+C and Ctrl+Break only ask: the job stops at its next block. A closed
// console ends the process as soon as this returns, so it waits there while the job takes back what it
// wrote; the program's exit ends the wait.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    g_interrupted = 1;
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        return TRUE;
    }
    Sleep(INFINITE);
    return TRUE;
}

#else

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
}

#endif

} // namespace

const volatile std::sig_atomic_t* CatchInterrupts() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
    struct sigaction interrupt {};
    interrupt.sa_handler = OnInterrupt;
    sigemptyset(&interrupt.sa_mask);
    sigaction(SIGINT, &interrupt, nullptr);
    sigaction(SIGTERM, &interrupt, nullptr);
    sigaction(SIGHUP, &interrupt, nullptr);
    // A reader that went away fails the write instead of killing the run halfway through.
    signal(SIGPIPE, SIG_IGN);
#endif
    return &g_interrupted;
}

} // namespace parvola
