// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/end_signals.h"

#include <QObject>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace parvola {

namespace {

int g_signalPipe[2] = {-1, -1};

extern "C" void OnEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void OnEndSignals(QObject& owner, std::function<void()> ended) {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [ended = std::move(ended)] {
        char bytes[64];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        ended();
    });
    struct sigaction end {};
    end.sa_handler = OnEndSignal;
    sigemptyset(&end.sa_mask);
    end.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(number, &end, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
}

} // namespace parvola
