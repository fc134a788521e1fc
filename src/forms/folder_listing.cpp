// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/folder_listing.h"

#include "forms/file_pattern.h"
#include "platform/name_order.h"
#include "platform/path_text.h"
#include "platform/paths.h"
#include "platform/upper_case.h"

namespace parvola {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

// Where the character after the one at at begins.
std::size_t NextCharacter(const std::string& name, std::size_t at) {
    ++at;
    while (at < name.size() && IsContinuationByte(name[at])) {
        ++at;
    }
    return at;
}

// "?" takes one character with all its bytes. A "*" takes as little as it can, and one character more
// each time what follows does not match: time in proportion to the name, not exponential in the stars.
bool Wildcard(const std::string& name, const std::string& pattern) {
    std::size_t n = 0, p = 0;
    std::size_t star = std::string::npos, starAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            starAt = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            n = NextCharacter(name, n);
            ++p;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++n;
            ++p;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = starAt = NextCharacter(name, starAt);
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool MatchesOne(const std::string& name, const std::string& pattern) {
    if (Wildcard(name, pattern)) {
        return true;
    }
    const std::size_t size = pattern.size();
    return size >= 2 && pattern.compare(size - 2, 2, ".*") == 0 &&
           Wildcard(name, pattern.substr(0, size - 2));
}

} // namespace

std::vector<TreeRoot> TopEntries(const std::string& desktopFolder) {
    return {{TreeRoot::Kind::Desktop, kDesktopEntry, desktopFolder},
            {TreeRoot::Kind::Computer, kComputerEntry, {}}};
}

std::vector<TreeRoot> ComputerEntries(const std::string& home, const std::vector<std::string>& volumes,
                                      const std::function<std::string(const std::string& drive)>& labelOf) {
    std::vector<TreeRoot> entries;
    // Windows has a root for each drive; Linux has one, with the home folder and the volumes below it.
    if (kPathSeparator != '/') {
        for (const std::string& root : volumes) {
            const std::string letter = root.substr(0, 2);
            const std::string label = labelOf ? labelOf(root) : std::string();
            entries.push_back(
                {TreeRoot::Kind::Drive, label.empty() ? letter : label + " (" + letter + ")", root});
        }
        return entries;
    }
    entries.push_back({TreeRoot::Kind::FileSystem, "File System", "/"});
    entries.push_back({TreeRoot::Kind::Home, "Home", home});
    // The platform gives the volumes folder by folder; within one the tree orders them as it orders names.
    for (std::size_t first = 0; first < volumes.size();) {
        const std::string parent = ParentFolder(volumes[first]);
        std::vector<std::string> names;
        std::size_t next = first;
        for (; next < volumes.size() && ParentFolder(volumes[next]) == parent; ++next) {
            names.push_back(LastName(volumes[next]));
        }
        SortNames(names);
        for (const std::string& name : names) {
            entries.push_back({TreeRoot::Kind::Drive, name, JoinPath(parent, name)});
        }
        first = next;
    }
    return entries;
}

NamePatterns::NamePatterns(const std::string& patterns) {
    std::string one;
    for (const char c : patterns + ";") {
        if (c != ';' && c != ',') {
            one += c;
            continue;
        }
        const std::size_t begin = one.find_first_not_of(" \t");
        if (begin != std::string::npos) {
            m_patterns.push_back(UpperCase(one.substr(begin, one.find_last_not_of(" \t") - begin + 1)));
        }
        one.clear();
    }
}

bool NamePatterns::Matches(const std::string& name) const {
    if (m_patterns.empty()) {
        return true;
    }
    const std::string upper = UpperCase(name);
    for (const std::string& pattern : m_patterns) {
        if (MatchesOne(upper, pattern)) {
            return true;
        }
    }
    return false;
}

std::optional<std::vector<std::string>> ShownSubfolders(FileSystem& files, const std::string& folder,
                                                        const std::atomic<bool>* stop) {
    if (folder.empty()) {
        return std::nullopt; // an empty path would list the working folder
    }
    std::vector<std::string> names;
    const FileStatus status = files.ListEntries(folder, [&](const FolderEntry& entry) {
        if (entry.kind == EntryKind::Folder && !entry.hidden) {
            names.push_back(entry.name);
        }
        return !stop || !*stop;
    });
    if (status) {
        return std::nullopt;
    }
    SortNames(names);
    return names;
}

std::optional<std::vector<std::string>> MatchingFiles(FileSystem& files, const std::string& folder,
                                                      const std::string& patterns) {
    if (folder.empty()) {
        return std::nullopt;
    }
    const NamePatterns matcher(patterns);
    const bool dotNames = ShowsHiddenNames(patterns);
    std::vector<std::string> names;
    const FileStatus status = files.ListEntries(folder, [&](const FolderEntry& entry) {
        if (entry.kind == EntryKind::File && (dotNames || entry.name[0] != '.') &&
            matcher.Matches(entry.name)) {
            names.push_back(entry.name);
        }
        return true;
    });
    if (status) {
        return std::nullopt;
    }
    SortNames(names);
    return names;
}

} // namespace parvola
