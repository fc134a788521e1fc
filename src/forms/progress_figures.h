// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace parvola {

// The time the figures are measured against; tests step it by hand.
class ProgressClock {
public:
    virtual ~ProgressClock() = default;
    virtual std::chrono::steady_clock::time_point Now() = 0;
};

class SteadyProgressClock final : public ProgressClock {
public:
    std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
};

// What the progress window tells beside its bar while a file is split: which piece, how fast, how long
// yet, and the percentage for its title. The bar's value is all the split reports, so the bytes done are
// worked out from it: the split's bar runs to 99 over the copy.
class ProgressFigures {
public:
    // A split of fileLength bytes into pieces of pieceBytes; a length of 0 tells none of the piece
    // figures (a join).
    ProgressFigures(ProgressClock& clock, std::int64_t fileLength, double pieceBytes);

    // The copy starts now.
    void Start();
    // The bar's value, 0 to 100.
    void Update(int percent);

    // "piece 3 of 8"; empty without a file length.
    std::string PieceText() const;
    // "12.5 MB/s", then " - 1 min 5 s left"; empty in the first second, when a speed means nothing yet.
    std::string SpeedText();
    // "42% - Parvola"
    std::string Title(const std::string& caption) const;

private:
    std::int64_t DoneBytes() const;

    ProgressClock& m_clock;
    std::int64_t m_length;
    double m_pieceBytes;
    std::chrono::steady_clock::time_point m_start;
    int m_percent = 0;
};

// "1 h 5 min", "2 min 10 s", "40 s"
std::string ReadableDuration(std::int64_t seconds);

} // namespace parvola
