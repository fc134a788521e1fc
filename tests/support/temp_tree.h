#pragma once

#include <cstdint>
#include <string>

namespace parvola::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& path() const { return m_path; }
    // path() joined with a name by one separator.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Deterministic bytes that do not repeat with any short period, so a misplaced block shows.
std::string PatternBytes(std::int64_t size);

} // namespace parvola::test
