// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/watched_file_system.h"

#include "platform/path_text.h"

namespace parvola {

namespace {

// Notes status in log, when it is a failure, as what + path.
FileStatus Noted(FailureLog& log, FileStatus status, const std::string& what) {
    if (status) {
        log.Note(*status, what);
    }
    return status;
}

// A new file that cannot be made is most often a folder that is missing or cannot be written to; only a
// name the folder cannot take is the file's own fault.
std::string CreateFailure(const FileStatus& status, const std::string& path) {
    if (status && (status->number == ErrorNumber::FileExists || status->number == ErrorNumber::BadFileName)) {
        return "cannot create " + path;
    }
    return "cannot write to " + ParentFolder(path);
}

class WatchedInput final : public InputFile {
public:
    WatchedInput(std::unique_ptr<InputFile> file, std::string path, FailureLog& log)
        : m_file(std::move(file)), m_path(std::move(path)), m_log(log) {}
    FileStatus Read(char* buffer, std::size_t n) override {
        return Noted(m_log, m_file->Read(buffer, n), "cannot read " + m_path);
    }
    InputFile& inner() { return *m_file; }
    const std::string& path() const { return m_path; }

private:
    std::unique_ptr<InputFile> m_file;
    std::string m_path;
    FailureLog& m_log;
};

class WatchedOutput final : public OutputFile {
public:
    WatchedOutput(std::unique_ptr<OutputFile> file, std::string path, FailureLog& log)
        : m_file(std::move(file)), m_what("cannot write to " + path), m_log(log) {}
    FileStatus Write(const char* data, std::size_t n) override {
        return Noted(m_log, m_file->Write(data, n), m_what);
    }
    // The platform copies in the kernel only between its own files, so it gets the source unwrapped.
    FileStatus CopyFrom(InputFile& source, std::int64_t n, char* buffer, std::size_t size) override {
        auto* watched = dynamic_cast<WatchedInput*>(&source);
        if (!watched) {
            return Noted(m_log, m_file->CopyFrom(source, n, buffer, size), m_what);
        }
        const auto status = m_file->CopyFrom(watched->inner(), n, buffer, size);
        // A copy fails on either side; running out of room or out of bytes tells which.
        if (status && status->number == ErrorNumber::PastEndOfFile) {
            return Noted(m_log, status, "cannot read " + watched->path());
        }
        return Noted(m_log, status, m_what);
    }
    FileStatus Sync() override { return Noted(m_log, m_file->Sync(), m_what); }
    FileStatus Close() override { return Noted(m_log, m_file->Close(), m_what); }

private:
    std::unique_ptr<OutputFile> m_file;
    std::string m_what;
    FailureLog& m_log;
};

// The platform's file, watched, once it is open.
FileStatus Watch(FailureLog& log, FileStatus status, std::unique_ptr<OutputFile>& file,
                 const std::string& path, const std::string& what) {
    if (!status && file) {
        file = std::make_unique<WatchedOutput>(std::move(file), path, log);
    }
    return Noted(log, status, what);
}

} // namespace

void FailureLog::Note(const FileError& error, std::string what) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.push_back({error, std::move(what)});
}

void FailureLog::Forget() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.clear();
}

std::optional<std::string> FailureLog::Describe(int number, const std::string& description) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (auto failure = m_failures.rbegin(); failure != m_failures.rend(); ++failure) {
        if (failure->error.number == number && failure->error.description == description) {
            return failure->what + ": " +
                   (failure->error.cause.empty() ? failure->error.description : failure->error.cause);
        }
    }
    return std::nullopt;
}

FileStatus WatchedFileSystem::OpenRead(const std::string& path, std::unique_ptr<InputFile>& file) {
    const auto status = m_files.OpenRead(path, file);
    if (!status && file) {
        file = std::make_unique<WatchedInput>(std::move(file), path, m_log);
    }
    return Noted(m_log, status, "cannot open " + path);
}

FileStatus WatchedFileSystem::CreateNew(const std::string& path, std::unique_ptr<OutputFile>& file) {
    const auto status = m_files.CreateNew(path, file);
    return Watch(m_log, status, file, path, CreateFailure(status, path));
}

FileStatus WatchedFileSystem::CreateReplacing(const std::string& path, unsigned permissions,
                                              std::unique_ptr<OutputFile>& file) {
    const auto status = m_files.CreateReplacing(path, permissions, file);
    return Watch(m_log, status, file, path, CreateFailure(status, path));
}

FileStatus WatchedFileSystem::OpenAppend(const std::string& path, std::unique_ptr<OutputFile>& file) {
    const auto status = m_files.OpenAppend(path, file);
    return Watch(m_log, status, file, path, CreateFailure(status, path));
}

FileStatus WatchedFileSystem::DeleteFile(const std::string& path) {
    return Noted(m_log, m_files.DeleteFile(path), "cannot delete " + path);
}

FileStatus WatchedFileSystem::MakeFolder(const std::string& path) {
    return Noted(m_log, m_files.MakeFolder(path), "cannot make the folder " + path);
}

FileStatus WatchedFileSystem::RemoveFolder(const std::string& path) {
    return Noted(m_log, m_files.RemoveFolder(path), "cannot remove the folder " + path);
}

FileStatus WatchedFileSystem::Lock(const std::string& path, std::unique_ptr<FileLock>& lock) {
    const auto status = m_files.Lock(path, lock);
    return Noted(m_log, status, CreateFailure(status, path));
}

FileStatus WatchedFileSystem::CreateTemporary(const std::string& folder, const std::string& stem,
                                              unsigned permissions, std::string& path,
                                              std::unique_ptr<OutputFile>& file) {
    const auto status = m_files.CreateTemporary(folder, stem, permissions, path, file);
    return Watch(m_log, status, file, path, "cannot write to " + folder);
}

FileStatus WatchedFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    return Noted(m_log, m_files.Rename(from, to, replace), "cannot rename " + from + " to " + to);
}

FileStatus WatchedFileSystem::ListFolder(const std::string& folder,
                                         const std::function<void(const std::string& name)>& each) {
    return Noted(m_log, m_files.ListFolder(folder, each), "cannot list the folder " + folder);
}

FileStatus WatchedFileSystem::ListEntries(const std::string& folder,
                                          const std::function<bool(const FolderEntry& entry)>& each) {
    return Noted(m_log, m_files.ListEntries(folder, each), "cannot list the folder " + folder);
}

} // namespace parvola
