// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/join_checks.h"

#include "engine/checksum_file.h"
#include "engine/error_text.h"
#include "engine/line_reader.h"
#include "engine/listed_sums.h"
#include "engine/naming.h"
#include "engine/rejoin_script.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace parvola {

namespace {

// A line of the batch file in the form earlier versions wrote: "call copy /b "x.001"+"x.002" "x.001"" appends
// a piece, "call copy /b "x.001" "x"" makes the joined file, "del "x.001"" deletes a piece; the rest only
// echoes its text.
struct ScriptLine {
    enum Kind { Other, Echo, Append, Final, Delete } kind = Other;
    std::vector<std::string> names;
};

// The names quoted in text, one character between each two, which go to between.
bool QuotedNames(const std::string& text, std::vector<std::string>& names, std::string& between) {
    for (std::size_t at = 0; at < text.size();) {
        if (!names.empty()) {
            between += text[at++];
        }
        const std::size_t close =
            at < text.size() && text[at] == '"' ? text.find('"', at + 1) : std::string::npos;
        if (close == std::string::npos) {
            return false;
        }
        names.push_back(text.substr(at + 1, close - at - 1));
        at = close + 1;
    }
    return !names.empty();
}

ScriptLine Classify(const std::string& text) {
    ScriptLine line;
    std::string between;
    const auto startsWith = [&](const char* prefix) { return text.rfind(prefix, 0) == 0; };
    // Echoes that run nothing else: no command separator, pipe or redirection.
    const bool echo = startsWith("echo.") || startsWith("echo ");
    if (text.empty() || text == "@echo off" || (echo && text.find_first_of("&|<>") == std::string::npos)) {
        line.kind = ScriptLine::Echo;
    } else if (startsWith("call copy /b ") && QuotedNames(text.substr(13), line.names, between)) {
        line.kind = between == "+ "  ? ScriptLine::Append
                    : between == " " ? ScriptLine::Final
                                     : ScriptLine::Other;
    } else if (startsWith("del ") && QuotedNames(text.substr(4), line.names, between) && between.empty()) {
        line.kind = ScriptLine::Delete;
    }
    return line;
}

Refusal Unreadable(const std::string& name, const FileError& error) {
    return Refusal{"The file " + name + " cannot be read.\r\n\r\n" + ErrorText(error)};
}

// text with what stands between quotes left out: two lines of one shape differ only in the names they hold.
std::string Shape(const std::string& text) {
    std::string shape;
    bool quoted = false;
    for (const char c : text) {
        quoted = c == '"' ? !quoted : quoted;
        if (!quoted || c == '"') {
            shape += c;
        }
    }
    return shape;
}

// What a batch file told of the pieces it joins.
struct ScriptReading {
    std::int64_t lineNumber = 0; // of the line that was not understood, or of the last one read
    bool understood = true;
    bool complete = false;       // it joins and deletes the pieces from the first to the last
    std::int64_t joined = 0;     // how many pieces it joins
    std::int64_t otherPiece = 0; // the number of a piece it names another than expected, or 0
};

class ScriptReader {
public:
    ScriptReader(LineReader& reader, std::string spelling)
        : m_reader(reader), m_spelling(std::move(spelling)) {}

    ScriptReading Read() {
        // Whatever the form, it begins with lines that only echo.
        while (Next() && Classify(m_text).kind == ScriptLine::Echo) {
        }
        if (m_ended) {
            return m_reading;
        }
        if (Shape(m_text) == Shape(RejoinScriptLines(m_spelling, 1).Line(RejoinScriptLines::kHeaderLines))) {
            ReadCurrentForm();
        } else {
            ReadEarlierForm();
        }
        return m_reading;
    }

private:
    bool Next() {
        m_ended = !m_reader.Next(m_text);
        m_reading.lineNumber += m_ended ? 0 : 1;
        return !m_ended;
    }

    // The lines are those the split writes today, for as many pieces as the checks at the top name.
    void ReadCurrentForm() {
        std::int64_t checked = 0;
        for (;; ++checked) {
            const RejoinScriptLines probe(m_spelling, checked + 1);
            const std::int64_t at =
                RejoinScriptLines::kHeaderLines + RejoinScriptLines::kCheckLines * checked;
            if (m_text != probe.Line(at)) {
                if (Shape(m_text) == Shape(probe.Line(at))) {
                    m_reading.otherPiece = checked + 1;
                    return;
                }
                break;
            }
            if (!Next() || m_text != probe.Line(at + 1) || !Next()) {
                m_reading.understood = m_ended ? m_reading.understood : false;
                return;
            }
        }
        const RejoinScriptLines lines(m_spelling, checked);
        for (std::int64_t at = RejoinScriptLines::kHeaderLines + RejoinScriptLines::kCheckLines * checked;
             at < lines.Count(); ++at) {
            if (at > RejoinScriptLines::kHeaderLines + RejoinScriptLines::kCheckLines * checked && !Next()) {
                return;
            }
            if (m_text != lines.Line(at)) {
                const bool otherName = lines.PieceOf(at) != 0 && Shape(m_text) == Shape(lines.Line(at));
                m_reading.otherPiece = otherName ? lines.PieceOf(at) : 0;
                m_reading.understood = otherName;
                return;
            }
        }
        m_reading.joined = checked;
        m_reading.complete = checked > 0;
        m_reading.understood = checked > 0 && !Next();
    }

    // The form earlier versions wrote: pieces appended to piece 001 in place, piece 001 copied to the
    // joined file, the pieces deleted. Sets on users' disks carry it, so it still tells how to join them.
    void ReadEarlierForm() {
        const std::string first = PieceName(m_spelling, 1);
        enum { Appending, Deleting, After } part = Appending;
        std::int64_t deleted = 0;
        m_reading.joined = 1;
        do {
            const ScriptLine line = Classify(m_text);
            const auto& names = line.names;
            if (line.kind == ScriptLine::Echo) {
                m_reading.understood = part != Appending;
                part = part == Deleting ? After : part;
            } else if (line.kind == ScriptLine::Append && part == Appending) {
                if (names[0] != first || names[2] != first ||
                    names[1] != PieceName(m_spelling, m_reading.joined + 1)) {
                    m_reading.otherPiece = names[0] != first || names[2] != first ? 1 : m_reading.joined + 1;
                    return;
                }
                ++m_reading.joined;
            } else if (line.kind == ScriptLine::Final && part == Appending) {
                if (names[0] != first) {
                    m_reading.otherPiece = 1;
                    return;
                }
                m_reading.understood = names[1] == m_spelling;
                part = Deleting;
            } else if (line.kind == ScriptLine::Delete && part == Deleting) {
                if (names[0] != PieceName(m_spelling, deleted + 1)) {
                    m_reading.otherPiece = deleted + 1;
                    return;
                }
                ++deleted;
            } else {
                m_reading.understood = false;
            }
        } while (m_reading.understood && Next());
        m_reading.complete = part != Appending && deleted == m_reading.joined;
    }

    LineReader& m_reader;
    const std::string m_spelling;
    std::string m_text;
    bool m_ended = false;
    ScriptReading m_reading;
};

} // namespace

Check ScriptCheck(FileSystem& files, CodePages& codePages, const PieceSet& set, bool& present) {
    const std::string path = RejoinScriptPath(set.folder, set.baseName);
    const std::string scriptName = LastName(path);
    const auto length = files.FileLength(path);
    present = length.has_value();
    std::unique_ptr<InputFile> file;
    if (!present) {
        return std::nullopt;
    }
    if (auto error = files.OpenRead(path, file)) {
        return Unreadable(scriptName, *error);
    }

    // The names as the script spells them, in the code page the command interpreter reads it in.
    LineReader reader(*file, *length);
    const ScriptReading script =
        ScriptReader(reader, ScriptSpelling(codePages, set.baseName).value_or(set.baseName)).Read();
    if (reader.error()) {
        return Unreadable(scriptName, *reader.error());
    }
    if (script.otherPiece > 0) {
        return Refusal{"The batch file " + scriptName +
                       " joins other pieces than those beside it, or in another order: its piece " +
                       std::to_string(script.otherPiece) + " is not " +
                       PieceName(set.baseName, script.otherPiece) +
                       ".  Please check that the pieces belong together."};
    }
    if (!script.understood || !script.complete) {
        const std::string where = script.understood
                                      ? "it ends before the pieces are joined and deleted"
                                      : "line " + std::to_string(script.lineNumber) + " is not understood";
        return Refusal{"The batch file " + scriptName + " is not in the form Parvola writes (" + where +
                       "), so it cannot tell whether the pieces belong together.  Please move it away and "
                       "try again."};
    }
    if (script.joined > set.count) {
        return Refusal{"The piece " + PieceName(set.baseName, set.count + 1) + " is missing: " + scriptName +
                       " joins " + std::to_string(script.joined) + " pieces." + kCopyEveryPiece};
    }
    if (script.joined < set.count) {
        return Refusal{"The batch file " + scriptName + " joins " + std::to_string(script.joined) +
                       " pieces, but " + std::to_string(set.count) + " are beside it, up to " +
                       PieceName(set.baseName, set.count) +
                       ".  Please check that the pieces belong together."};
    }
    return std::nullopt;
}

Check ChecksumCheck(FileSystem& files, const PieceSet& set, bool& present, bool& whole) {
    const std::string name = ChecksumFileName(set.baseName);
    ListedSums sums(set);
    const auto openError = sums.Open(files);
    present = sums.present();
    if (openError) {
        return Unreadable(name, *openError);
    }
    std::vector<bool> listed(static_cast<std::size_t>(set.count));
    std::int64_t number = 0;
    for (Digest digest; sums.Next(number, digest);) {
        if (number > set.count) {
            return Refusal{"The piece " + PieceName(set.baseName, set.count + 1) + " is missing: " + name +
                           " names " + PieceName(set.baseName, number) + "." + kCopyEveryPiece};
        }
        whole = whole || number == 0;
        if (number > 0) {
            listed[static_cast<std::size_t>(number - 1)] = true;
        }
    }
    if (sums.badLine() > 0) {
        return Refusal{"The checksum file " + name + " is not in the form sha256sum reads (line " +
                       std::to_string(sums.badLine()) + ").  Please move it away and try again."};
    }
    if (sums.error()) {
        return Unreadable(name, *sums.error());
    }
    const auto unlisted = std::find(listed.begin(), listed.end(), false);
    if (present && unlisted != listed.end()) {
        return Refusal{"The checksum file " + name + " holds no checksum for " +
                       PieceName(set.baseName, unlisted - listed.begin() + 1) +
                       ".  Please move it away to join the pieces unchecked."};
    }
    return std::nullopt;
}

} // namespace parvola
