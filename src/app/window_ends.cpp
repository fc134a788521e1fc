// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_ends.h"

#include "platform/linux/end_signals.h"
#include "ui/split_runner.h"

#include <QCoreApplication>

#include <cstdlib>

namespace parvola {

void EndJobsWithTheProcess(QCoreApplication& app, std::function<void()> quit) {
    OnEndSignals(app, [quit = std::move(quit)] {
        EndBackgroundJobs();
        quit();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] { EndBackgroundJobs(); });
    // The display going away ends the process through exit() on the window's thread, past every event loop.
    std::atexit([] { EndBackgroundJobs(); });
}

} // namespace parvola
