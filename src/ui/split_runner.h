#pragma once

#include "engine/split_job.h"

namespace parvola {

// Runs the split job on a thread of its own while this thread's event loop goes on, so that the windows
// keep painting and answering the desktop during a long split. Each call the job makes of ui is carried
// out on this thread, one after the other, while the job waits for it, so boxes come and go as they would
// with the job on this thread. Returns when the job has ended.
SplitOutcome SplitInBackground(SplitRequest& request, SplitUi& ui, SettingsStore& settings,
                               Platform& platform);

} // namespace parvola
