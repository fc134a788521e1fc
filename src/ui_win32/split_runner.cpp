// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/split_runner.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace parvola {

namespace {

// What the job's thread and the window's thread share.
struct Shared {
    std::mutex mutex;
    std::condition_variable changed;
    bool ending = false;
    bool finished = false;
};

// The job's side of the seam: hands every call to the window's thread and waits for its answer, unless the
// run is ending, when nobody is left to answer.
class RelayedUi final : public SplitUi {
public:
    RelayedUi(wingui::Window& window, SplitUi& target, Shared& shared)
        : m_window(window), m_target(target), m_shared(shared) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override {
        Relay<bool>([&t = m_target, text, icon] { return t.ShowMessage(text, icon), true; }, false);
    }
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override {
        return Relay<bool>(
            [&t = m_target, text, icon, defaultAnswer] { return t.AskYesNo(text, icon, defaultAnswer); },
            false);
    }
    void ShowProgress() override {
        Relay<bool>([&t = m_target] { return t.ShowProgress(), true; }, false);
    }
    void SetProgress(int value) override {
        Relay<bool>([&t = m_target, value] { return t.SetProgress(value), true; }, false);
    }
    void HideProgress() override {
        Relay<bool>([&t = m_target] { return t.HideProgress(), true; }, false);
    }
    DiskChoice ShowDiskDialog() override {
        return Relay<DiskChoice>([&t = m_target] { return t.ShowDiskDialog(); }, DiskChoice::Cancel);
    }
    void ShowCopyProgress(const std::string& name, int percent) override {
        Relay<bool>([&t = m_target, name, percent] { return t.ShowCopyProgress(name, percent), true; },
                    false);
    }
    // Safe from any thread by the seam's own rule, so asked directly.
    bool CancelRequested() override {
        {
            const std::lock_guard<std::mutex> lock(m_shared.mutex);
            if (m_shared.ending) {
                return true;
            }
        }
        return m_target.CancelRequested();
    }

private:
    // The answer goes into state of its own: a call given up may still be on the screen after the job ended.
    template <typename T> T Relay(std::function<T()> call, T givenUp) {
        struct Pending {
            bool done = false;
            bool givenUp = false;
            T answer{};
        };
        const auto pending = std::make_shared<Pending>();
        {
            const std::lock_guard<std::mutex> lock(m_shared.mutex);
            if (m_shared.ending) {
                return givenUp;
            }
        }
        Shared& shared = m_shared;
        m_window.Post([pending, call = std::move(call), &shared] {
            {
                const std::lock_guard<std::mutex> lock(shared.mutex);
                if (pending->givenUp) {
                    return;
                }
            }
            T answer = call();
            const std::lock_guard<std::mutex> lock(shared.mutex);
            pending->answer = answer;
            pending->done = true;
            shared.changed.notify_all();
        });
        std::unique_lock<std::mutex> lock(m_shared.mutex);
        m_shared.changed.wait(lock, [&] { return pending->done || m_shared.ending; });
        if (!pending->done) {
            pending->givenUp = true;
            return givenUp;
        }
        return pending->answer;
    }

    wingui::Window& m_window;
    SplitUi& m_target;
    Shared& m_shared;
};

} // namespace

void RunInBackground(wingui::Window& window, SplitUi& ui, const std::function<void(SplitUi& relayed)>& job) {
    // Shared by pointer: the posted calls may outlive this function.
    const auto shared = std::make_shared<Shared>();
    RelayedUi relayed(window, ui, *shared);
    std::thread thread([&] {
        job(relayed);
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->finished = true;
        shared->changed.notify_all();
        window.Post([] {}); // wakes the loop below
    });

    std::optional<int> quit;
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->finished) {
                break;
            }
        }
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            // Nobody will answer the job's calls any more: it cancels and takes back what it wrote.
            quit = static_cast<int>(message.wParam);
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->ending = true;
            shared->changed.notify_all();
            break;
        }
        if (!IsDialogMessageW(window.hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    thread.join();
    if (quit) {
        PostQuitMessage(*quit);
    }
}

} // namespace parvola
