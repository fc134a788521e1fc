// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/split_checks.h"

#include "engine/checksum_file.h"
#include "engine/error_text.h"
#include "engine/naming.h"
#include "engine/readme_file.h"
#include "engine/rejoin_script.h"
#include "engine/utf8.h"
#include "platform/upper_case.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace parvola {

namespace {

std::string CharacterName(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) {
        return "a control character (code " + std::to_string(code) + ")";
    }
    return std::string("the character ") + c;
}

const char* const kRenameSource = "  Operation cancelled.  Please rename the source file and try again.";

// The longest name the common file systems hold, in bytes (ext4, XFS, Btrfs) or UTF-16 units (FAT, NTFS).
constexpr std::size_t kLongestName = 255;

// FNV-1a: the same text gives the same name in every run.
std::string Hash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

std::int64_t Utf16Length(const std::string& name) {
    std::int64_t units = 0;
    for (std::size_t at = 0; at < name.size();) {
        const Utf8Char c = Utf8At(name, at);
        units += c.valid && c.code > 0xffff ? 2 : 1;
        at += c.length;
    }
    return units;
}

// The first length bytes of the file at path (less when it is shorter), following a link there; no value
// when it is no file that can be read.
std::optional<std::string> Beginning(FileSystem& files, const std::string& path, std::int64_t length) {
    const auto size = files.FileLength(path);
    std::unique_ptr<InputFile> file;
    if (!size || files.OpenRead(path, file)) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(std::min(*size, length)), '\0');
    if (file->Read(text.data(), text.size())) {
        return std::nullopt;
    }
    return text;
}

bool BeginsWithLines(const std::string& text, const std::vector<std::string>& lines) {
    std::string expected;
    for (const auto& line : lines) {
        expected += line + "\r\n";
    }
    return text.compare(0, expected.size(), expected) == 0;
}

// A name of this set: a piece (base, a dot and three digits or more) or the joined file.
bool NamesThisSet(const std::string& name, const std::string& baseName) {
    if (name == baseName) {
        return true;
    }
    const std::size_t digits = name.size() - std::min(name.size(), baseName.size() + 1);
    return digits >= 3 && name.compare(0, baseName.size() + 1, baseName + ".") == 0 &&
           name.find_first_not_of("0123456789", baseName.size() + 1) == std::string::npos;
}

// What an earlier split wrote under name: recognised by its first lines, or, for the checksum file, by
// lines that are all checksums of this set's files.
bool WrittenBySplit(FileSystem& files, const std::string& path, const std::string& name,
                    const std::string& baseName) {
    if (name == kReadmeName) {
        const auto text = Beginning(files, path, 256);
        return text && BeginsWithLines(*text, {kReadmeTitle});
    }
    if (name == ChecksumFileName(baseName)) {
        // Some hundred thousand pieces take a few megabytes; a file of many more is none of ours.
        constexpr std::int64_t kLargest = 64 * 1024 * 1024;
        const auto text = Beginning(files, path, kLargest);
        const auto entries = text && text->size() < kLargest ? ParseChecksumFile(*text) : std::nullopt;
        return entries && !entries->empty() &&
               std::all_of(entries->begin(), entries->end(),
                           [&](const ChecksumEntry& entry) { return NamesThisSet(entry.name, baseName); });
    }
    const RejoinScriptLines script(baseName, 1);
    const auto text = Beginning(files, path, 256);
    return text && BeginsWithLines(*text, {script.Line(0), script.Line(1)});
}

} // namespace

// Names the pieces and the script could not carry safely. spelling gets the base name as the script
// writes it.
Check NameCheck(CodePages& codePages, const std::string& sourceFileName, const std::string& baseName,
                std::string& spelling) {
    if (baseName.empty()) {
        return Refusal{
            "The 8.3 name of " + sourceFileName +
            " would be empty, since it begins with a dot.  Operation cancelled.  Please rename the "
            "source file or switch off 8.3 file names in the options and try again."};
    }
    if (const auto unsafe = UnsafeScriptCharacter(baseName)) {
        return Refusal{"The file name " + sourceFileName + " holds " + CharacterName(*unsafe) +
                       ", which the batch file that joins the pieces cannot hold." + kRenameSource};
    }
    const auto spelled = ScriptSpelling(codePages, baseName);
    if (!spelled) {
        return Refusal{"The file name " + sourceFileName +
                       " holds characters that no code page of the Windows command interpreter has together, "
                       "so the batch file that joins the pieces could not name them." +
                       kRenameSource};
    }
    spelling = *spelled;
    return std::nullopt;
}

// Writes a line into a file the split creates, never into one that is there already, and removes it again.
Check TestWrite(FileSystem& files, const std::string& destFolder) {
    const bool endsInSeparator = !destFolder.empty() && destFolder.back() == kPathSeparator;
    const std::string folder = endsInSeparator ? destFolder : destFolder + kPathSeparator;

    std::unique_ptr<OutputFile> file;
    std::string path;
    FileStatus error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + (attempt == 0 ? "test.txt" : "test~" + std::to_string(attempt) + ".txt");
        error = files.CreateNew(path, file);
        if (!error || error->number != ErrorNumber::FileExists) {
            break;
        }
    }
    if (error) {
        if (error->number == ErrorNumber::PathFileAccess) {
            return Refusal{
                ErrorText(*error) +
                "\r\n\r\nThis error is most commonly caused when you try to write the split file to "
                "a read-only destination (e.g. a CDROM)"};
        }
        return Refusal{ErrorText(*error)};
    }

    const std::string line = "file test write\r\n";
    auto writeError = file->Write(line.data(), line.size());
    auto closeError = file->Close();
    auto deleteError = files.DeleteFile(path);
    for (const auto& failure : {writeError, closeError, deleteError}) {
        if (failure) {
            return Refusal{ErrorText(*failure)};
        }
    }
    return std::nullopt;
}

// What the destination's file system cannot take: a character in the names, or pieces that large.
Check LimitsCheck(const DriveLimits& limits, const std::string& sourceFileName, const std::string& baseName,
                  std::int64_t largestPiece, const std::vector<std::string>& names) {
    const auto forbidden = baseName.find_first_of(limits.forbidden);
    if (forbidden != std::string::npos) {
        return Refusal{"The file name " + sourceFileName + " holds " + CharacterName(baseName[forbidden]) +
                       ", which the file system of the destination (" + limits.fileSystem +
                       ") cannot hold in a name.  Operation cancelled.  Please rename the source file or "
                       "change the destination and try again."};
    }
    if (limits.largestFile >= 0 && largestPiece > limits.largestFile) {
        return Refusal{"Pieces of " + std::to_string(largestPiece) +
                       " bytes are too large for the file system of the destination (" + limits.fileSystem +
                       "), which holds files of up to " + std::to_string(limits.largestFile) +
                       " bytes.  Operation cancelled.  Please choose a smaller size and try again."};
    }
    for (const std::string& name : names) {
        const std::int64_t length =
            limits.namesInUtf16 ? Utf16Length(name) : static_cast<std::int64_t>(name.size());
        if (limits.longestName >= 0 && length > limits.longestName) {
            return Refusal{
                "The name " + name + " is too long for the file system of the destination (" +
                limits.fileSystem + "), which holds names of up to " + std::to_string(limits.longestName) +
                (limits.namesInUtf16 ? " characters" : " bytes") +
                ".  Operation cancelled.  Please give the source file a shorter name or change the "
                "destination and try again."};
        }
    }
    return std::nullopt;
}

// A file of an earlier split that this one would write over: one named after the full source name, or,
// when the names are cut, one named like this split's first piece.
Check EarlierSplitCheck(FileSystem& files, const std::string& destFolder, const std::string& sourceFileName,
                        const std::string& baseName) {
    for (const std::string& stem : {sourceFileName, baseName}) {
        const std::string probed = JoinPath(destFolder, stem + ".001");
        if (const auto found = files.FindFile(probed)) {
            return Refusal{"Destination file already exists (~" + probed + "~ ~" + *found +
                           "~).  Operation cancelled.  Please rename the source file or change the "
                           "destination and try again."};
        }
    }
    return std::nullopt;
}

// A file at one of finishingNames in folder that an earlier split did not write: one of the user's. A link
// is judged by what it leads to: one to an earlier split's readme is replaced, one to the user's notes is
// theirs.
Check UsersFileCheck(FileSystem& files, const std::string& folder, const std::string& baseName,
                     const std::vector<std::string>& finishingNames) {
    for (const std::string& name : finishingNames) {
        const std::string path = JoinPath(folder, name);
        if (files.FindFile(path) && !WrittenBySplit(files, path, name, baseName)) {
            return Refusal{"Destination file already exists (~" + path +
                           "~), and Parvola did not write it.  Operation cancelled.  Please rename or move "
                           "that file or change the destination and try again."};
        }
    }
    return std::nullopt;
}

namespace {

// True when name is that of one of the first count pieces of baseName, spelt as the split spells it.
bool IsPieceName(const std::string& name, const std::string& baseName, std::int64_t count) {
    const std::size_t digits = baseName.size() + 1;
    if (name.size() <= digits || name.size() > digits + 18 || name.compare(0, digits, baseName + ".") != 0 ||
        name.find_first_not_of("0123456789", digits) != std::string::npos) {
        return false;
    }
    const std::int64_t number = std::stoll(name.substr(digits));
    return number >= 1 && number <= count && name == PieceName(baseName, number);
}

} // namespace

// True when one of the names the split writes in folder is an entry of the source file itself: the
// source split into its own folder under one of those names, a hard link to it, or the same name in
// another case on a file system that ignores case. Such an entry would be replaced and the source lost.
// File systems through FUSE may give one file other inode numbers under other spellings, so there the
// names are compared in capitals as well.
bool HoldsTheSource(FileSystem& files, const std::string& folder, const std::string& sourcePath,
                    const FileInfo& source, bool ignoresCase, const std::string& baseName,
                    std::int64_t pieceCount, const std::vector<std::string>& otherNames) {
    const auto here = files.Inspect(JoinPath(folder, ""), true);
    if (!here || here->device != source.device) {
        return false;
    }
    const std::string sourceInCapitals = ignoresCase ? UpperCase(sourcePath) : std::string();
    const auto isSource = [&](const std::string& name) {
        const std::string path = JoinPath(folder, name);
        const auto entry = files.Inspect(path, false);
        return entry && (SameFile(*entry, source) || (ignoresCase && UpperCase(path) == sourceInCapitals));
    };
    if (std::any_of(otherNames.begin(), otherNames.end(), isSource)) {
        return true;
    }
    // The pieces' names are found in one listing of the folder rather than looked up one by one: a split
    // into many small pieces would pay a look-up for each, for names that are almost never there.
    const std::string base = ignoresCase ? UpperCase(baseName) : baseName;
    bool found = false;
    const auto unlisted = files.ListFolder(folder, [&](const std::string& name) {
        found =
            found || (IsPieceName(ignoresCase ? UpperCase(name) : name, base, pieceCount) && isSource(name));
    });
    if (!unlisted) {
        return found;
    }
    // A folder that may be written but not read is looked at name by name.
    for (std::int64_t i = 1; i <= pieceCount; ++i) {
        if (isSource(PieceName(baseName, i))) {
            return true;
        }
    }
    return false;
}

// Where the lock that keeps a second run off this set of pieces lives: beside the pieces, or for a
// removable disk, which must stay free to be taken out, in a folder of this user's named after them.
std::string LockPath(Paths& paths, const std::string& destFolder, const std::string& baseName,
                     bool removable) {
    if (removable) {
        return JoinPath(paths.LockFolder(), "parvola-" + Hash(JoinPath(destFolder, baseName)) + ".lock");
    }
    // A base name that leaves room for ".001" but not for the lock's longer ending gets a lock of a fixed
    // length.
    const std::string name = "." + baseName + ".parvola-lock";
    return JoinPath(destFolder, name.size() <= kLongestName ? name : ".parvola-lock-" + Hash(baseName));
}

} // namespace parvola
