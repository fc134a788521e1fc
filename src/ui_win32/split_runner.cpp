// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_win32/split_runner.h"

#include "forms/relayed_ui.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace parvola {

namespace {

// What the job's thread and the window's thread share.
struct Shared {
    RelayState state;
    bool finished = false;
};

} // namespace

void RunInBackground(wingui::Window& window, SplitUi& ui, const std::function<void(SplitUi& relayed)>& job) {
    // Shared by pointer and held by each posted call: the posted calls may outlive this function.
    const auto shared = std::make_shared<Shared>();
    RelayedUi relayed(
        ui, [&window, shared](std::function<void()> call) { window.Post([shared, call] { call(); }); },
        shared->state);
    std::thread thread([&] {
        job(relayed);
        const std::lock_guard<std::mutex> lock(shared->state.mutex);
        shared->finished = true;
        shared->state.changed.notify_all();
        window.Post([] {}); // wakes the loop below
    });

    std::optional<int> quit;
    for (;;) {
        {
            const std::lock_guard<std::mutex> lock(shared->state.mutex);
            if (shared->finished) {
                break;
            }
        }
        MSG message;
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            // Nobody will answer the job's calls any more: it cancels and takes back what it wrote.
            quit = static_cast<int>(message.wParam);
            const std::lock_guard<std::mutex> lock(shared->state.mutex);
            shared->state.ending = true;
            shared->state.changed.notify_all();
            break;
        }
        wingui::Deliver(window.hwnd(), message);
    }
    thread.join();
    if (quit) {
        PostQuitMessage(*quit);
    }
}

} // namespace parvola
