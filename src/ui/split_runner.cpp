// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/split_runner.h"

#include "forms/relayed_ui.h"

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace parvola {

namespace {

// What every job in the background and EndBackgroundJobs share: whether the process is ending, and how many
// jobs still run. Function statics, so that they are there for a call from exit().
struct Jobs {
    RelayState state;
    int running = 0;
};

Jobs& TheJobs() {
    static Jobs jobs;
    return jobs;
}

} // namespace

void RunInBackground(SplitUi& ui, const std::function<void(SplitUi& relayed)>& job) {
    Jobs& jobs = TheJobs();
    {
        const std::lock_guard<std::mutex> lock(jobs.state.mutex);
        ++jobs.running;
    }
    QObject context;
    RelayedUi relayed(
        ui,
        [&context](std::function<void()> call) {
            QMetaObject::invokeMethod(&context, std::move(call), Qt::QueuedConnection);
        },
        jobs.state);
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        job(relayed);
        const std::lock_guard<std::mutex> lock(jobs.state.mutex);
        --jobs.running;
        jobs.state.changed.notify_all();
    }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    // The loop ended before the job: the application is quitting, and the job's relayed calls would wait
    // for a thread that no longer answers them.
    if (!thread->isFinished()) {
        EndBackgroundJobs();
    }
    thread->wait();
}

void EndBackgroundJobs() {
    Jobs& jobs = TheJobs();
    std::unique_lock<std::mutex> lock(jobs.state.mutex);
    jobs.state.ending = true;
    jobs.state.changed.notify_all();
    jobs.state.changed.wait(lock, [&] { return jobs.running == 0; });
}

SplitOutcome SplitInBackground(SplitRequest& request, SplitUi& ui, SettingsStore& settings,
                               Platform& platform) {
    SplitOutcome outcome = SplitOutcome::Failed;
    RunInBackground(ui, [&](SplitUi& relayed) { outcome = SplitFile(request, relayed, settings, platform); });
    return outcome;
}

JoinOutcome JoinInBackground(const JoinRequest& request, SplitUi& ui, Platform& platform) {
    JoinOutcome outcome = JoinOutcome::Failed;
    RunInBackground(ui, [&](SplitUi& relayed) { outcome = JoinPieces(request, relayed, platform); });
    return outcome;
}

} // namespace parvola
