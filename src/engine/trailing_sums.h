// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/checksums.h"
#include "platform/file_system.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace parvola {

// SHA-256 of what a copy has just copied, read again on a thread of its own while the copy goes on: the
// bytes are then still in the system's cache, and the run takes as long as the slower of the two instead of
// both together. The copy goes through parts (the pieces), each summed apart and all of them together.
class TrailingSums {
public:
    // Parts shorter than this are summed on the caller's thread as their bytes pass through it (Add): they
    // go through the program anyway, and a thread would cost more per part than their bytes.
    static constexpr std::int64_t kAlongsideFrom = 65536;

    // partLength: the length of the parts, all but the last. Without whole, only the parts are summed, and
    // Whole gives the digest of no bytes.
    TrailingSums(FileSystem& files, Checksums& checksums, std::int64_t partLength, bool whole = true);
    // Stops the threads, also halfway through a part.
    ~TrailingSums();
    TrailingSums(const TrailingSums&) = delete;
    TrailingSums& operator=(const TrailingSums&) = delete;

    // The next part is the next length bytes of the file at path: from where the last part ended when that
    // was the same file, from its start otherwise. Waits while many parts are still to be summed, so that
    // what is held stays small whatever the number of pieces.
    void AddPart(const std::string& path, std::int64_t length);
    // The copy has got this far, counted over all parts.
    void CopiedTo(std::int64_t done);
    // Whether the bytes are summed alongside the copy; otherwise the caller passes them to Add.
    bool alongside() const { return m_alongside; }
    // The next n bytes of the parts, when they are not summed alongside.
    void Add(const char* data, std::size_t n);
    // The digest of the earliest part not taken yet, or why its bytes could not be read. Without wait, false
    // when that part is not summed yet.
    bool TakeDigest(bool wait, std::string& digest, FileStatus& error);
    // The digest of all parts added, once they are summed.
    FileStatus Whole(std::string& digest);

private:
    struct Part {
        std::string path;
        std::int64_t length;
    };
    struct Summed {
        std::string digest;
        FileStatus error;
    };
    // The parts' digests and the whole one are two sums over every byte: each has a thread of its own,
    // which reads the bytes for itself, so that two processors work out both in the time of one.
    struct Reader {
        bool whole = false;
        std::unique_ptr<Checksum> sum;
        std::vector<char> buffer;
        std::unique_ptr<InputFile> file;
        std::string openPath;
        std::int64_t read = 0;    // bytes over all parts
        std::size_t nextPart = 0; // counted from the first part ever added
        FileStatus failed;
    };

    void Work(Reader& reader);
    FileStatus SumPart(Reader& reader, const Part& part);

    // Finishes the earliest part; the mutex is held.
    void PartDone(Reader& reader);

    FileSystem& m_files;
    const bool m_alongside;
    const bool m_wantWhole;
    Reader m_readers[2];
    std::int64_t m_partLeft = 0; // of the part Add is in

    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Parts from the number m_firstPart on, until both readers are past them.
    std::deque<Part> m_parts;
    std::size_t m_firstPart = 0;
    std::deque<Summed> m_summed;
    std::int64_t m_copied = 0;
    bool m_stop = false;
    std::thread m_threads[2];
};

} // namespace parvola
