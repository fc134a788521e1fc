// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/trailing_sums.h"

#include <algorithm>

namespace parvola {

namespace {

// What the thread reads at once; with the parts waiting, all it holds.
constexpr std::size_t kReadSize = std::size_t{1} << 18;
// Parts added and not summed yet, before AddPart waits.
constexpr std::size_t kMostWaiting = 64;

} // namespace

TrailingSums::TrailingSums(FileSystem& files, Checksums& checksums, std::int64_t partLength, bool whole)
    : m_files(files), m_alongside(partLength >= kAlongsideFrom), m_wantWhole(whole) {
    for (Reader& reader : m_readers) {
        reader.sum = checksums.NewSha256();
        reader.buffer.resize(m_alongside ? kReadSize : 0);
    }
    m_readers[1].whole = true;
    for (int i = 0; i < 2 && m_alongside; ++i) {
        m_threads[i] = std::thread([this, i] { Work(m_readers[i]); });
    }
}

TrailingSums::~TrailingSums() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads) {
        if (thread.joinable()) {
            thread.join();
        }
    }
}

void TrailingSums::AddPart(const std::string& path, std::int64_t length) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_parts.size() < kMostWaiting; });
    m_parts.push_back(Part{path, length});
    if (!m_alongside) {
        m_partLeft = length;
        if (length == 0) {
            PartDone(m_readers[0]);
        }
    }
    m_changed.notify_all();
}

void TrailingSums::Add(const char* data, std::size_t n) {
    m_readers[0].sum->Add(data, n);
    if (m_wantWhole) {
        m_readers[1].sum->Add(data, n);
    }
    m_partLeft -= static_cast<std::int64_t>(n);
    if (m_partLeft == 0) {
        std::lock_guard<std::mutex> lock(m_mutex);
        PartDone(m_readers[0]);
    }
}

void TrailingSums::PartDone(Reader& reader) {
    m_summed.push_back(Summed{reader.failed ? std::string() : reader.sum->Finish(), reader.failed});
    m_parts.pop_front();
    ++m_firstPart;
    ++m_readers[0].nextPart;
    ++m_readers[1].nextPart;
}

void TrailingSums::CopiedTo(std::int64_t done) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_copied = done;
    }
    m_changed.notify_all();
}

bool TrailingSums::TakeDigest(bool wait, std::string& digest, FileStatus& error) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (wait) {
        m_changed.wait(lock, [this] { return !m_summed.empty(); });
    }
    if (m_summed.empty()) {
        return false;
    }
    digest = std::move(m_summed.front().digest);
    error = std::move(m_summed.front().error);
    m_summed.pop_front();
    return true;
}

FileStatus TrailingSums::Whole(std::string& digest) {
    Reader& reader = m_readers[1];
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return reader.nextPart == m_firstPart + m_parts.size(); });
    }
    if (reader.failed) {
        return reader.failed;
    }
    digest = reader.sum->Finish();
    return std::nullopt;
}

void TrailingSums::Work(Reader& reader) {
    for (;;) {
        Part part;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || reader.nextPart < m_firstPart + m_parts.size(); });
            if (m_stop) {
                return;
            }
            part = m_parts[reader.nextPart - m_firstPart];
        }
        // After a read that failed, the sums are of no use: every later part says so too. A whole sum nobody
        // wants only keeps pace with the parts.
        if (!reader.failed && (!reader.whole || m_wantWhole)) {
            reader.failed = SumPart(reader, part);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop) {
                return;
            }
            ++reader.nextPart;
            if (!reader.whole) {
                m_summed.push_back(
                    Summed{reader.failed ? std::string() : reader.sum->Finish(), reader.failed});
            }
            while (!m_parts.empty() && m_firstPart < std::min(m_readers[0].nextPart, m_readers[1].nextPart)) {
                m_parts.pop_front();
                ++m_firstPart;
            }
        }
        m_changed.notify_all();
    }
}

FileStatus TrailingSums::SumPart(Reader& reader, const Part& part) {
    if (part.path != reader.openPath) {
        reader.file.reset();
        reader.openPath.clear();
        if (auto error = m_files.OpenRead(part.path, reader.file)) {
            return error;
        }
        reader.openPath = part.path;
    }
    for (std::int64_t left = part.length; left > 0;) {
        std::int64_t copied;
        {
            // Only what the copy has been through, which the system still holds.
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || m_copied > reader.read; });
            if (m_stop) {
                return std::nullopt;
            }
            copied = m_copied - reader.read;
        }
        const auto n = static_cast<std::size_t>(std::min({left, copied, std::int64_t(reader.buffer.size())}));
        if (auto error = reader.file->Read(reader.buffer.data(), n)) {
            return error;
        }
        reader.sum->Add(reader.buffer.data(), n);
        left -= static_cast<std::int64_t>(n);
        std::lock_guard<std::mutex> lock(m_mutex);
        reader.read += static_cast<std::int64_t>(n);
    }
    return std::nullopt;
}

} // namespace parvola
