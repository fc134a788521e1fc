// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/console_ui.h"

#include "engine/utf8.h"

#include <cctype>
#include <cstdio>

#include <istream>
#include <optional>
#include <ostream>
#include <vector>

namespace parvola {

namespace {

// The job's texts break lines with CR LF, as its files do. Only those pairs are line breaks: a lone LF can
// come from nowhere but a name, where it is escaped like any control character.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t begin = 0;;) {
        const auto end = text.find("\r\n", begin);
        const std::string line = text.substr(begin, end == std::string::npos ? end : end - begin);
        if (!line.empty()) {
            lines.push_back(line);
        }
        if (end == std::string::npos) {
            return lines;
        }
        begin = end + 2;
    }
}

// The number of an "Error: 61" line; no value for any other line.
std::optional<int> ErrorNumberOf(const std::string& line) {
    const std::string prefix = "Error: ";
    if (line.rfind(prefix, 0) != 0 || line.size() == prefix.size() || line.size() > prefix.size() + 4 ||
        line.find_first_not_of("0123456789", prefix.size()) != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(line.substr(prefix.size()));
}

} // namespace

std::string ConsoleLine(const std::string& text, const FailureLog* failures) {
    std::vector<std::string> pieces;
    const auto lines = Lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto number = ErrorNumberOf(lines[i]);
        if (!number || i + 1 == lines.size()) {
            pieces.push_back(lines[i]);
            continue;
        }
        // The number is the window's own; a person at a shell wants the file and the system's words.
        const std::string& description = lines[++i];
        auto told = failures ? failures->Describe(*number, description) : std::nullopt;
        if (told && !pieces.empty()) {
            (*told)[0] = static_cast<char>(std::toupper(static_cast<unsigned char>((*told)[0])));
        }
        pieces.push_back(told ? *told : description + " (error " + std::to_string(*number) + ")");
    }
    std::string line;
    for (const auto& piece : pieces) {
        if (!line.empty()) {
            line += std::string(".?!:").find(line.back()) == std::string::npos ? ". " : " ";
        }
        line += TerminalSafe(piece);
    }
    return line;
}

std::string TerminalSafe(const std::string& text) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = Utf8At(text, at);
        // C0 and C1 controls steer the terminal (ESC, and CSI as U+009B or a lone 0x9b byte), so they
        // are shown as their codes, the line break too.
        const bool control = !c.valid || c.code < 0x20 || (c.code >= 0x7f && c.code < 0xa0);
        if (control) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x",
                          static_cast<unsigned>(c.valid ? c.code : static_cast<unsigned char>(text[at])));
            safe += code;
        } else {
            safe.append(text, at, c.length);
        }
        at += c.length;
    }
    return safe;
}

ConsoleUi::ConsoleUi(const char* program, std::istream& in, std::ostream& err, bool canAsk, bool drawProgress,
                     const volatile std::sig_atomic_t* interrupted)
    : m_program(program), m_in(in), m_err(err), m_canAsk(canAsk), m_drawProgress(drawProgress),
      m_interrupted(interrupted) {}

void ConsoleUi::ShowMessage(const std::string& text, MessageIcon icon) {
    BreakProgressLine();
    const std::string line = ConsoleLine(text, m_failures);
    // Each message tells the failures before it; what comes later must not name them again.
    if (m_failures) {
        m_failures->Forget();
    }
    if (m_isClosing && m_isClosing(text, icon)) {
        m_closing = line;
        return;
    }
    m_err << m_program << ": " << line << std::endl;
    // Messages that ask the user to press OK (a new disk is in) wait for Enter.
    if (m_canAsk && Listening() && text.find("ress OK") != std::string::npos) {
        m_err << "Press Enter to go on. " << std::flush;
        std::string ignored;
        std::getline(m_in, ignored);
    }
}

bool ConsoleUi::AskYesNo(const std::string& text, MessageIcon, DefaultAnswer defaultAnswer) {
    BreakProgressLine();
    const bool yesByDefault = defaultAnswer == DefaultAnswer::Yes;
    m_err << m_program << ": " << ConsoleLine(text, nullptr) << (yesByDefault ? " [Y/n] " : " [y/N] ");
    if (!m_canAsk || !Listening()) {
        m_err << "no (no terminal to answer on)" << std::endl;
        return false;
    }
    m_err.flush();
    std::string answer;
    // An input that has ended answers nothing, so it gives no Yes either.
    if (!std::getline(m_in, answer)) {
        return false;
    }
    const auto first = answer.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return yesByDefault;
    }
    return answer[first] == 'y' || answer[first] == 'Y';
}

DiskChoice ConsoleUi::ShowDiskDialog() {
    BreakProgressLine();
    m_err
        << m_program
        << ": Insufficient space on removable media. The removable media you have chosen for the destination "
           "does not have enough space left on it to support the split file size you have selected.\n"
           "Please choose one of the following options:\n"
           "  1) Insert a new disk and try again\n"
           "  2) Format the disk and try again\n"
           "  3) Select a smaller size per partition\n"
           "  4) Cancel the operation all together\n";
    if (!m_canAsk || !Listening()) {
        // Nobody can change the disk: going on would only fill it up.
        m_err << "cancelled (no terminal to answer on)" << std::endl;
        return m_diskChoice = DiskChoice::Cancel;
    }
    static const DiskChoice kChoices[] = {DiskChoice::NewDisk, DiskChoice::Format, DiskChoice::Cancel,
                                          DiskChoice::Cancel};
    for (;;) {
        m_err << "Choice (1-4, Enter to keep the last one): " << std::flush;
        std::string answer;
        if (!Listening() || !std::getline(m_in, answer)) {
            return m_diskChoice = DiskChoice::Cancel;
        }
        // Enter keeps a choice made before; with none made there is nothing to keep.
        if (answer.empty() && m_diskChoice != DiskChoice::None) {
            return m_diskChoice;
        }
        if (answer.size() == 1 && answer[0] >= '1' && answer[0] <= '4') {
            return m_diskChoice = kChoices[answer[0] - '1'];
        }
    }
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
    m_copyName.clear();
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

void ConsoleUi::ShowCopyProgress(const std::string& name, int percent) {
    if (!m_drawProgress) {
        return;
    }
    const bool sameCopy = m_lineOpen && name == m_copyName;
    if (percent >= 100) {
        // Only the copy's own line goes; a copy that drew none leaves the split's line alone.
        if (sameCopy) {
            HideProgress();
            // The copy took the split's line; the next value must draw it again even when unchanged.
            m_shownValue = -1;
        }
        m_copyName.clear();
        return;
    }
    if (sameCopy && percent == m_copyShown) {
        return;
    }
    // What the line held before may be longer than the copy's text.
    m_err << (m_lineOpen && !sameCopy ? "\r\033[K" : "\r") << "Copying " << TerminalSafe(name)
          << " to the disk... " << percent << "%" << std::flush;
    m_lineOpen = true;
    m_copyName = name;
    m_copyShown = percent;
}

bool ConsoleUi::Listening() const {
    return !m_err.fail();
}

void ConsoleUi::BreakProgressLine() {
    if (m_lineOpen) {
        m_err << "\n";
        m_lineOpen = false;
    }
}

} // namespace parvola
