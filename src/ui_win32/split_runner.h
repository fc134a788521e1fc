// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_job.h"
#include "ui_win32/wingui/window.h"

#include <functional>

namespace parvola {

// Runs job on a thread of its own while this thread goes on answering the window system, so that the
// windows keep painting during a long split. Each call the job makes of the ui it is handed is carried out
// on ui on window's thread, one after the other, while the job waits for it, so boxes come and go as they
// would with the job on this thread. Returns when the job has ended. Should the message loop be told to
// quit meanwhile, the job is told to cancel, its questions are answered No from then on, and the quit is
// passed on once it has ended.
void RunInBackground(wingui::Window& window, SplitUi& ui, const std::function<void(SplitUi& relayed)>& job);

} // namespace parvola
