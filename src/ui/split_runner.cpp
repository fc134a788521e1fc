// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/split_runner.h"

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
    std::mutex mutex;
    std::condition_variable changed;
    bool ending = false;
    int running = 0;
};

Jobs& TheJobs() {
    static Jobs jobs;
    return jobs;
}

// The job's side of the UI seam: hands every call over to the thread that owns context and waits for it,
// unless the process is ending, when nobody is left to answer: then the call is given up, questions are
// answered No and the disk dialog Cancel, and the job, told to cancel, takes back what it wrote.
class RelayedUi final : public SplitUi {
public:
    RelayedUi(SplitUi& target, QObject& context) : m_target(target), m_context(context) {}

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
    // Safe from any thread by the seam's own rule: asked directly, it costs the copy no round trip.
    bool CancelRequested() override {
        {
            const std::lock_guard<std::mutex> lock(TheJobs().mutex);
            if (TheJobs().ending) {
                return true;
            }
        }
        return m_target.CancelRequested();
    }

private:
    // The call runs on the window's thread and keeps its own copies of what it shows, and its answer goes
    // into state it shares: a call given up may still be on the screen when the job has ended.
    template <typename T> T Relay(std::function<T()> call, T givenUp) {
        struct Pending {
            bool done = false;
            bool givenUp = false;
            T answer{};
        };
        Jobs& jobs = TheJobs();
        const auto pending = std::make_shared<Pending>();
        {
            const std::lock_guard<std::mutex> lock(jobs.mutex);
            if (jobs.ending) {
                return givenUp;
            }
        }
        QMetaObject::invokeMethod(
            &m_context,
            [pending, call = std::move(call), &jobs] {
                {
                    const std::lock_guard<std::mutex> lock(jobs.mutex);
                    if (pending->givenUp || jobs.ending) {
                        return;
                    }
                }
                T answer = call();
                const std::lock_guard<std::mutex> lock(jobs.mutex);
                pending->answer = answer;
                pending->done = true;
                jobs.changed.notify_all();
            },
            Qt::QueuedConnection);
        std::unique_lock<std::mutex> lock(jobs.mutex);
        jobs.changed.wait(lock, [&] { return pending->done || jobs.ending; });
        if (!pending->done) {
            pending->givenUp = true;
            return givenUp;
        }
        return pending->answer;
    }

    SplitUi& m_target;
    QObject& m_context;
};

} // namespace

void RunInBackground(SplitUi& ui, const std::function<void(SplitUi& relayed)>& job) {
    Jobs& jobs = TheJobs();
    {
        const std::lock_guard<std::mutex> lock(jobs.mutex);
        ++jobs.running;
    }
    QObject context;
    RelayedUi relayed(ui, context);
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        job(relayed);
        const std::lock_guard<std::mutex> lock(jobs.mutex);
        --jobs.running;
        jobs.changed.notify_all();
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
    std::unique_lock<std::mutex> lock(jobs.mutex);
    jobs.ending = true;
    jobs.changed.notify_all();
    jobs.changed.wait(lock, [&] { return jobs.running == 0; });
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
