#include "engine/join_checks.h"

#include "engine/checksum_file.h"
#include "engine/error_text.h"
#include "engine/line_reader.h"
#include "engine/listed_sums.h"
#include "engine/naming.h"
#include "engine/rejoin_script.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace parvola {

namespace {

// A line of the batch file as the split writes it: "call copy /b "x.001"+"x.002" "x.001"" appends a piece,
// "call copy /b "x.001" "x"" makes the joined file, "del "x.001"" deletes a piece; the rest only echoes
// its text.
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
    const std::string spelling = ScriptSpelling(codePages, set.baseName).value_or(set.baseName);
    const std::string first = PieceName(spelling, 1);
    const auto otherPieces = [&](std::int64_t number) {
        return Refusal{"The batch file " + scriptName +
                       " joins other pieces than those beside it, or in another order: its piece " +
                       std::to_string(number) + " is not " + PieceName(set.baseName, number) +
                       ".  Please check that the pieces belong together."};
    };
    enum { Before, Appending, Deleting, After } part = Before;
    std::int64_t joined = 1;
    std::int64_t deleted = 0;
    std::int64_t lineNumber = 0;
    bool understood = true;
    LineReader reader(*file, *length);
    for (std::string text; understood && reader.Next(text);) {
        ++lineNumber;
        const ScriptLine line = Classify(text);
        const auto& names = line.names;
        if (line.kind == ScriptLine::Echo) {
            understood = part != Appending;
            part = part == Deleting ? After : part;
        } else if (line.kind == ScriptLine::Append && part <= Appending) {
            if (names[0] != first || names[2] != first || names[1] != PieceName(spelling, joined + 1)) {
                return otherPieces(names[0] != first || names[2] != first ? 1 : joined + 1);
            }
            ++joined;
            part = Appending;
        } else if (line.kind == ScriptLine::Final && part <= Appending) {
            if (names[0] != first) {
                return otherPieces(1);
            }
            understood = names[1] == spelling;
            part = Deleting;
        } else if (line.kind == ScriptLine::Delete && part == Deleting) {
            if (names[0] != PieceName(spelling, deleted + 1)) {
                return otherPieces(deleted + 1);
            }
            ++deleted;
        } else {
            understood = false;
        }
    }
    if (reader.error()) {
        return Unreadable(scriptName, *reader.error());
    }
    if (!understood || part < Deleting || deleted != joined) {
        const std::string where = understood ? "it ends before the pieces are joined and deleted"
                                             : "line " + std::to_string(lineNumber) + " is not understood";
        return Refusal{"The batch file " + scriptName + " is not in the form Parvola writes (" + where +
                       "), so it cannot tell whether the pieces belong together.  Please move it away and "
                       "try again."};
    }
    if (joined > set.count) {
        return Refusal{"The piece " + PieceName(set.baseName, set.count + 1) + " is missing: " + scriptName +
                       " joins " + std::to_string(joined) + " pieces." + kCopyEveryPiece};
    }
    if (joined < set.count) {
        return Refusal{"The batch file " + scriptName + " joins " + std::to_string(joined) + " pieces, but " +
                       std::to_string(set.count) + " are beside it, up to " +
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
