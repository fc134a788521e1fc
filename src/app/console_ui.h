#pragma once

#include "engine/split_ui.h"

#include <csignal>
#include <iosfwd>
#include <string>

namespace parvola {

// text with the characters that would steer a terminal or fake a line of the program's own (ESC, line
// breaks, other controls, malformed UTF-8) written as their codes ("\x1b", "\x0a"), so that a file name
// can neither take the terminal over nor pass for a message.
std::string TerminalSafe(const std::string& text);

// The split job's windows on a terminal: messages on the error stream prefixed by their kind, questions
// answered on the input, progress as one line redrawn in place.
class ConsoleUi final : public SplitUi {
public:
    // canAsk: the input is a terminal a person can answer on; without one every question is answered No.
    // drawProgress: the error stream is a terminal, where a redrawn line makes sense. interrupted, when
    // given, is set by a signal handler once the user wants the split stopped.
    ConsoleUi(std::istream& in, std::ostream& err, bool canAsk, bool drawProgress,
              const volatile std::sig_atomic_t* interrupted = nullptr);

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    // Enter alone gives defaultAnswer, shown in capitals ("[y/N]").
    bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) override;
    void ShowProgress() override;
    void SetProgress(int value) override;
    void HideProgress() override;
    // The disk dialog as a numbered menu; Enter alone keeps the last choice, as the dialog's OK does, and
    // asks again when there is none.
    DiskChoice ShowDiskDialog() override;
    // Redraws the progress line as the copy's own until 100 clears it.
    void ShowCopyProgress(const std::string& name, int percent) override;
    // Also once the error stream is closed or full: nobody sees the questions, so nobody answers them.
    bool CancelRequested() override { return (m_interrupted && *m_interrupted) || !Listening(); }

private:
    // Whether what this writes still reaches anyone: a write into a closed pipe (SIGPIPE ignored), a full
    // disk or a closed descriptor fails the stream for good.
    bool Listening() const;
    // Ends a progress line so that what follows starts on a line of its own.
    void BreakProgressLine();

    std::istream& m_in;
    std::ostream& m_err;
    bool m_canAsk;
    bool m_drawProgress;
    const volatile std::sig_atomic_t* m_interrupted;
    bool m_lineOpen = false;
    int m_shownValue = -1;
    // The file whose copy the open line shows, and how far; empty while it shows something else.
    std::string m_copyName;
    int m_copyShown = -1;
    DiskChoice m_diskChoice = DiskChoice::None;
};

} // namespace parvola
