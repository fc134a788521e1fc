#include "app/console_ui.h"

#include "engine/split_job.h"

#include <istream>
#include <ostream>

namespace parvola {

namespace {

const char* KindOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return "error";
    case MessageIcon::Exclamation:
        return "warning";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::Information:
        break;
    }
    return "information";
}

// The job's texts break lines with CR LF, as its files do; a terminal wants LF.
std::string TerminalText(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

} // namespace

ConsoleUi::ConsoleUi(std::istream& in, std::ostream& err, bool canAsk, bool drawProgress)
    : m_in(in), m_err(err), m_canAsk(canAsk), m_drawProgress(drawProgress) {}

void ConsoleUi::ShowMessage(const std::string& text, MessageIcon icon) {
    BreakProgressLine();
    m_err << KindOf(icon) << ": " << TerminalText(text) << std::endl;
    if (text == kCompletedMessage) {
        m_completed = true;
    }
}

bool ConsoleUi::AskYesNo(const std::string& text, MessageIcon) {
    BreakProgressLine();
    m_err << "question: " << TerminalText(text) << " [y/N] ";
    if (!m_canAsk) {
        m_err << "no (no terminal to answer on)" << std::endl;
        return false;
    }
    m_err.flush();
    std::string answer;
    std::getline(m_in, answer);
    const auto first = answer.find_first_not_of(" \t");
    return first != std::string::npos && (answer[first] == 'y' || answer[first] == 'Y');
}

void ConsoleUi::ShowProgress() {
    m_shownValue = -1;
    SetProgress(0);
}

void ConsoleUi::SetProgress(int value) {
    if (!m_drawProgress || value == m_shownValue) {
        return;
    }
    m_shownValue = value;
    m_err << "\rProcessing - Please wait... " << value << "%" << std::flush;
    m_lineOpen = true;
}

void ConsoleUi::HideProgress() {
    if (m_lineOpen) {
        // Clears the line so the next message starts on it.
        m_err << "\r\033[K" << std::flush;
        m_lineOpen = false;
    }
}

void ConsoleUi::BreakProgressLine() {
    if (m_lineOpen) {
        m_err << "\n";
        m_lineOpen = false;
    }
}

} // namespace parvola
