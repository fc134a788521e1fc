// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/join_job.h"
#include "engine/split_job.h"

#include <functional>

namespace parvola {

// Runs job on a thread of its own while this thread's event loop goes on, so that the windows keep painting
// and answering the desktop during a long split or join. Each call the job makes of the ui it is handed is
// carried out on ui, on this thread, one after the other, while the job waits for it, so boxes come and go
// as they would with the job on this thread. Returns when the job has ended.
void RunInBackground(SplitUi& ui, const std::function<void(SplitUi& relayed)>& job);

// The process is ending (a signal, the display gone, exit()): tells the jobs running in the background to
// cancel and take back what they wrote, and waits until they have. From then on they are shown nothing and
// asked nothing (questions are answered No, the disk dialog Cancel), since the window's thread, which would
// answer, is the one waiting here; a job started later is cancelled at once. Safe to call on the window's
// thread at any time, also from within a relayed call or from exit().
void EndBackgroundJobs();

// The split job, run so.
SplitOutcome SplitInBackground(SplitRequest& request, SplitUi& ui, SettingsStore& settings,
                               Platform& platform);

// The join, run so.
JoinOutcome JoinInBackground(const JoinRequest& request, SplitUi& ui, Platform& platform);

} // namespace parvola
