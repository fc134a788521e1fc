// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file in the INI dialect of QSettings, which earlier versions wrote and the user may have
// edited, read and written without Qt: the command-line programs would otherwise load Qt Core for a few lines
// of text, which costs each run more than many a small split takes.
#include "settings/ini_settings_store.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace parvola {

std::string DefaultSettingsPath(const std::string& home) {
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    std::string configHome = configured ? configured : "";
    // Relative values are to be ignored, as if unset.
    if (configHome.empty() || configHome[0] != '/') {
        if (home.empty()) {
            return {};
        }
        configHome = home + "/.config";
    }
    return configHome + "/Orvane/Parvola.conf";
}

namespace {

// An open descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The file's text, empty when there is none yet; no value when something other than a regular file is there
// (a FIFO would hold a blocking open() until a writer came, and a device is no settings file) or it cannot be
// read.
std::optional<std::string> ReadSettingsFile(const std::string& path) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::string text;
    char buffer[8192];
    for (ssize_t got; (got = ::read(fd.get(), buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

// One "name=value" line, or a section's header, as [begin, end) of the file's text.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t equals = std::string::npos; // where the value starts, less one; npos for no '='
    bool header = false;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The lines that count, as QSettings splits them: a ';' outside quotes starts a comment, quotes and a
// backslash before the line break carry a value on to the next line.
std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        if (i < text.size() && text[i] == ';') {
            while (i < text.size() && text[i] != '\n' && text[i] != '\r') {
                ++i;
            }
            continue;
        }
        Line line{i, i};
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (c == '\\' && i + 1 < text.size()) {
                ++i;
                if (i + 1 < text.size() && (text[i] == '\n' || text[i] == '\r') &&
                    (text[i + 1] == '\n' || text[i + 1] == '\r') && text[i + 1] != text[i]) {
                    ++i;
                }
            } else if (!quoted && (c == '\n' || c == '\r' || c == ';')) {
                break;
            } else if (c == '=' && !quoted && line.equals == std::string::npos) {
                line.equals = i;
            }
        }
        line.end = i;
        while (line.end > line.begin && IsBlank(text[line.end - 1])) {
            --line.end;
        }
        line.header = text[line.begin] == '[';
        if (line.end > line.begin) {
            lines.push_back(line);
        }
        // The rest of a line after a ';' is a comment.
        while (i < text.size() && text[i] != '\n' && text[i] != '\r') {
            ++i;
        }
    }
    return lines;
}

std::string Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Whether the header line opens the section of the settings without a group: "[General]", or the top of
// the file before any header.
bool OpensGeneral(const std::string& text, const Line& line) {
    const std::size_t close = text.find(']', line.begin);
    if (close == std::string::npos || close >= line.end) {
        return false;
    }
    const std::string section = Trimmed(text, line.begin + 1, close);
    return section.size() == 7 && ::strncasecmp(section.c_str(), "general", 7) == 0;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
        return (c | 0x20) - 'a' + 10;
    }
    return -1;
}

// The value as QSettings reads it: quotes and escapes undone, blanks around it dropped. No value for a list
// (an unquoted comma), which QSettings would give in parts.
std::optional<std::string> Unescaped(const std::string& raw) {
    std::string value;
    bool quoted = false;
    bool wasQuoted = false;
    std::size_t keep = 0; // blanks up to here were escaped or quoted and stay
    std::size_t i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) {
        ++i;
    }
    while (i < raw.size()) {
        const char c = raw[i++];
        if (c == '"') {
            quoted = !quoted;
            wasQuoted = true;
            while (!quoted && i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) {
                ++i;
            }
        } else if (c == ',' && !quoted) {
            return std::nullopt;
        } else if (c == '\\' && i < raw.size()) {
            const char e = raw[i++];
            static const char kEscapes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
            const char* found = e == '\0' ? nullptr : std::strchr(kEscapes, e);
            if (found && (found - kEscapes) % 2 == 0) {
                value += found[1];
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                unsigned code = e == 'x' ? 0 : unsigned(e - '0');
                const int base = e == 'x' ? 16 : 8;
                for (int digit; i < raw.size() && (digit = HexDigit(raw[i])) >= 0 && digit < base; ++i) {
                    code = (code * base + digit) & 0xFFFF;
                }
                AppendUtf8(value, code);
            } // a line break after a backslash, or any other character after one, is dropped
            keep = value.size();
        } else {
            value += c;
            if (quoted) {
                keep = value.size();
            }
        }
    }
    if (!wasQuoted) {
        while (value.size() > keep && (value.back() == ' ' || value.back() == '\t')) {
            value.pop_back();
        }
    }
    // "@@" stands for a text that begins with '@'; "@Variant(...)" and the like are no text at all.
    if (!value.empty() && value[0] == '@') {
        return value.size() > 1 && value[1] == '@' ? std::optional<std::string>(value.substr(1))
                                                   : std::nullopt;
    }
    return value;
}

// The text as QSettings writes a value: escaped, and in quotes where it holds a separator or begins or ends
// with a blank.
std::string Escaped(const std::string& text) {
    std::string out = !text.empty() && text[0] == '@' ? "@" : "";
    bool quotes = false;
    bool hexBefore = false; // a hex digit after "\xNN" would be read as part of it
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        quotes = quotes || c == ';' || c == ',' || c == '=';
        if (hexBefore && HexDigit(c) >= 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%x", byte);
            out += hex;
            continue;
        }
        hexBefore = false;
        static const char kEscapes[] = "\aa\bb\ff\nn\rr\tt\vv\"\"\\\\";
        const char* found = c == '\0' ? nullptr : std::strchr(kEscapes, c);
        if (found && (found - kEscapes) % 2 == 0) {
            out += '\\';
            out += found[1];
        } else if (byte < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%x", byte);
            out += hex;
            hexBefore = true;
        } else {
            out += c;
        }
    }
    if (quotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        out = '"' + out + '"';
    }
    return out;
}

// Where name is set in the section without a group: the last such line, as the last one wins.
struct Found {
    std::optional<Line> setting;
    std::size_t generalEnd = std::string::npos; // after the section's last line; npos for no section
};

Found FindSetting(const std::string& text, const std::string& name) {
    Found found;
    bool general = true; // the top of the file, before any header, belongs to it too
    for (const Line& line : SplitLines(text)) {
        if (line.header) {
            general = OpensGeneral(text, line);
        } else if (general && line.equals != std::string::npos &&
                   Trimmed(text, line.begin, line.equals) == name) {
            found.setting = line;
        }
        if (general) {
            found.generalEnd = line.end;
        }
    }
    return found;
}

// Holds the lock beside the settings file while it lives, so that two copies of the program writing at the
// same time do not undo each other's change.
class WriteLock {
public:
    explicit WriteLock(std::string path) : m_path(std::move(path)) {
        // A lock file that another copy removed while this one waited for it locks nothing: take the new one.
        for (int tries = 0; tries < 10; ++tries) {
            m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (m_fd < 0) {
                return;
            }
            struct stat held {};
            struct stat named {};
            if (::flock(m_fd, LOCK_EX) == 0 && ::fstat(m_fd, &held) == 0 &&
                ::stat(m_path.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
                held.st_dev == named.st_dev) {
                return;
            }
            ::close(m_fd);
            m_fd = -1;
        }
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock() {
        if (m_fd >= 0) {
            ::unlink(m_path.c_str());
            ::close(m_fd);
        }
    }

private:
    std::string m_path;
    int m_fd = -1;
};

// Replaces path with text as one step: a reader sees the old file or the new one, never half of one. A new
// file gets the permissions the user's umask gives, a replaced one keeps its own.
bool ReplaceFile(const std::string& path, const std::string& text) {
    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    const std::string temporary = path + "." + std::to_string(::getpid()) + ".new";
    const Descriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (fd.get() < 0) {
        return false;
    }
    bool written = !existed || ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t wrote = ::write(fd.get(), text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        written = wrote > 0;
        done += written ? static_cast<std::size_t>(wrote) : 0;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

IniSettingsStore::IniSettingsStore(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniSettingsStore::ReadSetting(const std::string& name) {
    const std::optional<std::string> text = m_path.empty() ? std::nullopt : ReadSettingsFile(m_path);
    if (!text) {
        return std::nullopt;
    }
    const Found found = FindSetting(*text, name);
    if (!found.setting) {
        return std::nullopt;
    }
    const std::string raw =
        text->substr(found.setting->equals + 1, found.setting->end - found.setting->equals - 1);
    // A hand-edited value with a comma would be a list of its parts to QSettings; the text is what the user
    // wrote on the line.
    return Unescaped(raw).value_or(Trimmed(raw, 0, raw.size()));
}

void IniSettingsStore::WriteSetting(const std::string& name, const std::string& text) {
    if (m_path.empty()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    const WriteLock lock(m_path + ".lock");
    // Something other than a settings file there is the user's: it is neither read nor replaced.
    std::optional<std::string> file = ReadSettingsFile(m_path);
    if (!file) {
        return;
    }
    const std::string line = name + "=" + Escaped(text);
    const std::string lineEnd = file->find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const Found found = FindSetting(*file, name);
    if (found.setting) {
        file->replace(found.setting->begin, found.setting->end - found.setting->begin, line);
    } else if (found.generalEnd != std::string::npos) {
        file->insert(found.generalEnd, lineEnd + line);
    } else {
        // The section goes first, where QSettings puts it.
        *file = "[General]" + lineEnd + line + lineEnd + (file->empty() ? "" : lineEnd) + *file;
    }
    // A file that cannot be written leaves the old value in place; nobody is told.
    ReplaceFile(m_path, *file);
}

} // namespace parvola
