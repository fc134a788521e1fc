// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/progress_figures.h"

#include "forms/split_plan.h"

#include <algorithm>
#include <cmath>

namespace parvola {

ProgressFigures::ProgressFigures(ProgressClock& clock, std::int64_t fileLength, double pieceBytes)
    : m_clock(clock), m_length(fileLength), m_pieceBytes(pieceBytes), m_start(clock.Now()) {}

void ProgressFigures::Start() {
    m_start = m_clock.Now();
    m_percent = 0;
}

void ProgressFigures::Update(int percent) {
    m_percent = std::clamp(percent, 0, 100);
}

std::int64_t ProgressFigures::DoneBytes() const {
    return std::min(m_length, static_cast<std::int64_t>(static_cast<double>(m_length) * m_percent / 99.0));
}

std::string ProgressFigures::PieceText() const {
    if (m_length <= 0 || m_pieceBytes < 1) {
        return {};
    }
    const auto piece = static_cast<std::int64_t>(m_pieceBytes);
    const std::int64_t count = (m_length + piece - 1) / piece;
    const std::int64_t current = std::min(count, DoneBytes() / piece + 1);
    return "piece " + std::to_string(current) + " of " + std::to_string(count);
}

std::string ProgressFigures::SpeedText() {
    const double seconds = std::chrono::duration<double>(m_clock.Now() - m_start).count();
    if (m_length <= 0 || seconds < 1) {
        return {};
    }
    const std::int64_t done = DoneBytes();
    const double perSecond = static_cast<double>(done) / seconds;
    std::string text = ReadableBytes(static_cast<std::int64_t>(perSecond)) + "/s";
    if (perSecond > 0 && done < m_length) {
        const auto left =
            static_cast<std::int64_t>(std::ceil(static_cast<double>(m_length - done) / perSecond));
        text += " - " + ReadableDuration(left) + " left";
    }
    return text;
}

std::string ProgressFigures::Title(const std::string& caption) const {
    return std::to_string(m_percent) + "% - " + caption;
}

std::string ReadableDuration(std::int64_t seconds) {
    if (seconds >= 3600) {
        return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
    }
    if (seconds >= 60) {
        return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    }
    return std::to_string(seconds) + " s";
}

} // namespace parvola
