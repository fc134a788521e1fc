// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"

#include <condition_variable>
#include <functional>
#include <mutex>

namespace parvola {

// What a job in the background and the window's thread share: whether the job is to end because nobody on
// the window's thread will answer it any more.
struct RelayState {
    std::mutex mutex;
    std::condition_variable changed;
    bool ending = false;
};

// The job's side of the UI seam: hands each call to the window's thread and waits for it there, so that
// boxes come and go as they would with the job on that thread. Once the state says the run is ending, a
// call is given up instead: questions are answered No, the disk dialog Cancel, and CancelRequested is true,
// so the job takes back what it wrote. Window systems differ only in post, which runs its function on the
// window's thread, later.
class RelayedUi final : public SplitUi {
public:
    using Post = std::function<void(std::function<void()>)>;
    RelayedUi(SplitUi& target, Post post, RelayState& state);

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;
    DiskChoice ShowDiskDialog() override;
    void ShowCopyProgress(const std::string& name, int percent) override;
    // Safe from any thread by the seam's own rule: asked directly, it costs the copy no round trip.
    bool CancelRequested() override;

private:
    template <typename T> T Relay(std::function<T()> call, T givenUp);

    SplitUi& m_target;
    Post m_post;
    RelayState& m_state;
};

} // namespace parvola
