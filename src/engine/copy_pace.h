// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace parvola {

// How many bytes to hand the system in one copy: as many as it allows while a call stays short, so that
// progress moves and a cancel is answered within a fraction of a second also on a slow stick. The size
// doubles while calls are quick and halves when one is slow.
class CopyPace {
public:
    // The most one call is given. Calls that long already cost nothing next to their bytes, and a call that
    // runs into the system's limit on unwritten data waits for the disk: the less it holds, the sooner the
    // pace slows down.
    static constexpr std::int64_t kLargestChunk = std::int64_t{64} << 20;
    // With checksums: the last chunk is summed only after the copy ends, so it is kept short.
    static constexpr std::int64_t kLargestSummedChunk = std::int64_t{8} << 20;

    explicit CopyPace(std::int64_t largest) : m_largest(largest), m_chunk(std::min(largest, kFirst)) {}

    std::int64_t Next(std::int64_t left) const { return std::min(left, m_chunk); }

    // A copy of n bytes, as Next gave them, took this long.
    void Took(std::chrono::steady_clock::duration took, std::int64_t n) {
        if (took > kSlow) {
            m_chunk = std::max(m_chunk / 2, kSmallest);
        } else if (took < kQuick && n == m_chunk) {
            m_chunk = std::min(m_chunk * 2, m_largest);
        }
    }

    // The start: small enough for the slowest disk, large enough that a fast one soon needs few calls.
    static constexpr std::int64_t kFirst = std::int64_t{1} << 20;

private:
    static constexpr std::int64_t kSmallest = std::int64_t{1} << 16;
    static constexpr std::chrono::milliseconds kQuick{25};
    static constexpr std::chrono::milliseconds kSlow{50};

    const std::int64_t m_largest;
    std::int64_t m_chunk;
};

} // namespace parvola
