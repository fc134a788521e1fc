// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <sys/wait.h>

namespace parvola::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempTree {
public:
    TempTree() : m_path((std::filesystem::temp_directory_path() / "parvola-test-XXXXXX").string()) {
        if (!::mkdtemp(m_path.data())) {
            throw std::runtime_error("cannot make a temporary folder");
        }
    }
    ~TempTree() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& path() const { return m_path; }
    // path() joined with a name by one separator.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    if (!std::ofstream(path, std::ios::binary | std::ios::trunc)
             .write(bytes.data(), std::streamsize(bytes.size()))) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

// Deterministic bytes that do not repeat with any short period, so a misplaced block shows.
// Runs shell commands in the folder "pieces" of tree, with no input; what they wrote to either stream goes
// into said. The exit code, or -1 when they did not exit.
inline int RunInPieces(const TempTree& tree, const std::string& shell, std::string& said) {
    const int status =
        std::system(("cd " + tree / "pieces && { " + shell + "; } >../said 2>&1 </dev/null").c_str());
    said = ReadBytes(tree / "said");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string PatternBytes(std::int64_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::uint64_t state = 88172645463325252u;
    for (auto& byte : bytes) {
        state = state * 6364136223846793005u + 1442695040888963407u; // a full-period linear congruence
        byte = static_cast<char>(state >> 56);
    }
    return bytes;
}

} // namespace parvola::test
