// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/split_ui.h"
#include "engine/watched_file_system.h"

#include <csignal>
#include <functional>
#include <iosfwd>
#include <string>

namespace parvola {

// text with the characters that would steer a terminal or fake a line of the program's own (ESC, line
// breaks, other controls, malformed UTF-8) written as their codes ("\x1b", "\x0a"), so that a file name
// can neither take the terminal over nor pass for a message.
std::string TerminalSafe(const std::string& text);

// A message of the job's as one line of a command-line program: its lines joined, and "Error: N" with its
// description told by what failed and the system's words where failures names it, else by the description.
std::string ConsoleLine(const std::string& text, const FailureLog* failures);

// The split job's windows on a terminal: messages and questions on the error stream, each one line
// prefixed by the program's name, questions answered on the input, progress as one line redrawn in place.
class ConsoleUi final : public SplitUi {
public:
    // canAsk: the input is a terminal a person can answer on; without one every question is answered No.
    // drawProgress: the error stream is a terminal, where a redrawn line makes sense. interrupted, when
    // given, is set by a signal handler once the user wants the split stopped.
    ConsoleUi(const char* program, std::istream& in, std::ostream& err, bool canAsk, bool drawProgress,
              const volatile std::sig_atomic_t* interrupted = nullptr);

    // Where messages find the file or folder and the system's words for a failure they tell by number.
    void NameFailuresFrom(FailureLog& failures) { m_failures = &failures; }
    // Messages for which isClosing holds tell that the run succeeded: they are kept for closingMessage()
    // instead of shown, since a command that works says nothing unless a person watches.
    void HoldClosingMessage(std::function<bool(const std::string& text, MessageIcon icon)> isClosing) {
        m_isClosing = std::move(isClosing);
    }
    // The last message held back, as one line; empty when none was.
    const std::string& closingMessage() const { return m_closing; }

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

    std::string m_program;
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
    FailureLog* m_failures = nullptr;
    std::function<bool(const std::string&, MessageIcon)> m_isClosing;
    std::string m_closing;
};

} // namespace parvola
