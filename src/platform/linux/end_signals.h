// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

namespace parvola {

// Makes SIGTERM, SIGHUP and SIGINT call ended on the thread of owner's event loop, through a pipe the
// handler writes one byte into, instead of ending the process at once with the job's files half written.
// SIGPIPE is ignored, so a closed output is a failed write. Once per process; ended may be called more than
// once.
void OnEndSignals(QObject& owner, std::function<void()> ended);

} // namespace parvola
