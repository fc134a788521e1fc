#include "ui/split_runner.h"

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace parvola {

namespace {

// The job's side of the UI seam: hands every call over to the thread that owns context and waits.
class RelayedUi final : public SplitUi {
public:
    RelayedUi(SplitUi& target, QObject& context) : m_target(target), m_context(context) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override {
        Relay([&] { m_target.ShowMessage(text, icon); });
    }
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override {
        bool yes = false;
        Relay([&] { yes = m_target.AskYesNo(text, icon, defaultAnswer); });
        return yes;
    }
    void ShowProgress() override {
        Relay([&] { m_target.ShowProgress(); });
    }
    void SetProgress(int value) override {
        Relay([&] { m_target.SetProgress(value); });
    }
    void HideProgress() override {
        Relay([&] { m_target.HideProgress(); });
    }
    DiskChoice ShowDiskDialog() override {
        DiskChoice choice = DiskChoice::None;
        Relay([&] { choice = m_target.ShowDiskDialog(); });
        return choice;
    }
    void ShowCopyProgress(const std::string& name, int percent) override {
        Relay([&] { m_target.ShowCopyProgress(name, percent); });
    }
    // Safe from any thread by the seam's own rule: asked directly, it costs the copy no round trip.
    bool CancelRequested() override { return m_target.CancelRequested(); }

private:
    void Relay(const std::function<void()>& call) {
        QMetaObject::invokeMethod(&m_context, call, Qt::BlockingQueuedConnection);
    }

    SplitUi& m_target;
    QObject& m_context;
};

} // namespace

void RunInBackground(SplitUi& ui, const std::function<void(SplitUi& relayed)>& job) {
    QObject context;
    RelayedUi relayed(ui, context);
    const std::unique_ptr<QThread> thread(QThread::create([&] { job(relayed); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
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
