// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/relayed_ui.h"

#include <memory>
#include <utility>

namespace parvola {

RelayedUi::RelayedUi(SplitUi& target, Post post, RelayState& state)
    : m_target(target), m_post(std::move(post)), m_state(state) {}

void RelayedUi::ShowMessage(const std::string& text, MessageIcon icon) {
    Relay<bool>([&t = m_target, text, icon] { return t.ShowMessage(text, icon), true; }, false);
}

bool RelayedUi::AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) {
    return Relay<bool>(
        [&t = m_target, text, icon, defaultAnswer] { return t.AskYesNo(text, icon, defaultAnswer); }, false);
}

void RelayedUi::ShowProgress() {
    Relay<bool>([&t = m_target] { return t.ShowProgress(), true; }, false);
}

void RelayedUi::SetProgress(int value) {
    Relay<bool>([&t = m_target, value] { return t.SetProgress(value), true; }, false);
}

void RelayedUi::HideProgress() {
    Relay<bool>([&t = m_target] { return t.HideProgress(), true; }, false);
}

DiskChoice RelayedUi::ShowDiskDialog() {
    return Relay<DiskChoice>([&t = m_target] { return t.ShowDiskDialog(); }, DiskChoice::Cancel);
}

void RelayedUi::ShowCopyProgress(const std::string& name, int percent) {
    Relay<bool>([&t = m_target, name, percent] { return t.ShowCopyProgress(name, percent), true; }, false);
}

bool RelayedUi::CancelRequested() {
    {
        const std::lock_guard<std::mutex> lock(m_state.mutex);
        if (m_state.ending) {
            return true;
        }
    }
    return m_target.CancelRequested();
}

// The call keeps its own copies of what it shows, and its answer goes into state of its own: a call given
// up may still be on the screen when the job has ended.
template <typename T> T RelayedUi::Relay(std::function<T()> call, T givenUp) {
    struct Pending {
        bool done = false;
        bool givenUp = false;
        T answer{};
    };
    const auto pending = std::make_shared<Pending>();
    {
        const std::lock_guard<std::mutex> lock(m_state.mutex);
        if (m_state.ending) {
            return givenUp;
        }
    }
    RelayState& state = m_state;
    m_post([pending, call = std::move(call), &state] {
        {
            const std::lock_guard<std::mutex> lock(state.mutex);
            if (pending->givenUp || state.ending) {
                return;
            }
        }
        T answer = call();
        const std::lock_guard<std::mutex> lock(state.mutex);
        pending->answer = answer;
        pending->done = true;
        state.changed.notify_all();
    });
    std::unique_lock<std::mutex> lock(m_state.mutex);
    m_state.changed.wait(lock, [&] { return pending->done || m_state.ending; });
    if (!pending->done) {
        pending->givenUp = true;
        return givenUp;
    }
    return pending->answer;
}

} // namespace parvola
