#include "engine/trailing_sums.h"

#include <algorithm>

namespace parvola {

namespace {

// What the thread reads at once; with the parts waiting, all it holds.
constexpr std::size_t kReadSize = std::size_t{1} << 20;
// Parts added and not summed yet, before AddPart waits.
constexpr std::size_t kMostWaiting = 64;

} // namespace

TrailingSums::TrailingSums(FileSystem& files, Checksums& checksums)
    : m_files(files), m_piece(checksums.NewSha256()), m_whole(checksums.NewSha256()), m_buffer(kReadSize),
      m_thread([this] { Work(); }) {}

TrailingSums::~TrailingSums() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void TrailingSums::AddPart(const std::string& path, std::int64_t length) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_parts.size() < kMostWaiting; });
    m_parts.push_back(Part{path, length});
    m_changed.notify_all();
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

void TrailingSums::Work() {
    FileStatus failed;
    for (;;) {
        Part part;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || !m_parts.empty(); });
            if (m_stop) {
                return;
            }
            part = m_parts.front();
        }
        // After a read that failed, the sums are of no use: every later part says so too.
        if (!failed) {
            failed = SumPart(part);
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop) {
                return;
            }
            m_parts.pop_front();
            m_summed.push_back(Summed{failed ? std::string() : m_piece->Finish(), failed});
        }
        m_changed.notify_all();
    }
}

FileStatus TrailingSums::SumPart(const Part& part) {
    if (part.path != m_openPath) {
        m_file.reset();
        m_openPath.clear();
        if (auto error = m_files.OpenRead(part.path, m_file)) {
            return error;
        }
        m_openPath = part.path;
    }
    for (std::int64_t left = part.length; left > 0;) {
        std::int64_t copied;
        {
            // Only what the copy has been through, which the system still holds.
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || m_copied > m_read; });
            if (m_stop) {
                return std::nullopt;
            }
            copied = m_copied - m_read;
        }
        const auto n = static_cast<std::size_t>(std::min({left, copied, std::int64_t(m_buffer.size())}));
        if (auto error = m_file->Read(m_buffer.data(), n)) {
            return error;
        }
        m_piece->Add(m_buffer.data(), n);
        m_whole->Add(m_buffer.data(), n);
        left -= static_cast<std::int64_t>(n);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_read += static_cast<std::int64_t>(n);
    }
    return std::nullopt;
}

} // namespace parvola
