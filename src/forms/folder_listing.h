// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/file_system.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace parvola {

// The names of the two entries at the top of a folder tree, which are no folders.
inline constexpr const char* kDesktopEntry = "Desktop";
inline constexpr const char* kComputerEntry = "My Computer";

// An entry a folder tree shows above the folders it reads.
struct TreeRoot {
    enum class Kind { Desktop, Computer, FileSystem, Home, Drive };
    Kind kind = Kind::Drive;
    std::string name; // what the tree shows
    std::string path; // the folder behind it; empty for "My Computer"
};

// "Desktop", the desktop folder, and "My Computer".
std::vector<TreeRoot> TopEntries(const std::string& desktopFolder);

// What "My Computer" holds. On Linux "File System" (the root) and "Home", then the volumes, each named by
// its last name and sorted by name among those in the same folder. On Windows the drives in their order,
// named "C:", or "System (C:)" for one whose label labelOf tells (Drives::ShownLabel); without labelOf, none.
std::vector<TreeRoot>
ComputerEntries(const std::string& home, const std::vector<std::string>& volumes,
                const std::function<std::string(const std::string& drive)>& labelOf = {});

// Wildcard patterns as the system's file dialogs take them: "*.dat; *.txt", separated by ";" or ",",
// blanks around each left out; "*" and "?" (one character), any case, and a ".*" at the end that also
// matches a name without a dot. No pattern at all matches every name.
class NamePatterns {
public:
    explicit NamePatterns(const std::string& patterns);
    bool Matches(const std::string& name) const;

private:
    std::vector<std::string> m_patterns; // in capitals, as names are compared
};

// The folders in folder that the tree shows, sorted by the system's name order: hidden ones (as
// FolderEntry tells them) stay out, links to folders count. No value when folder cannot be listed;
// stop, when set, ends the listing early with what was found.
std::optional<std::vector<std::string>> ShownSubfolders(FileSystem& files, const std::string& folder,
                                                        const std::atomic<bool>* stop = nullptr);

// The files in folder that patterns let through, sorted by the system's name order. Links to files count;
// sockets, pipes, devices and folders do not. Names that begin with a dot only for a pattern that asks for
// them (ShowsHiddenNames). No value when folder cannot be listed.
std::optional<std::vector<std::string>> MatchingFiles(FileSystem& files, const std::string& folder,
                                                      const std::string& patterns);

} // namespace parvola
