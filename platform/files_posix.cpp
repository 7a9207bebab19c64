// Files held while they are read or written, on POSIX systems: an advisory
// lock holds them, and a new file renamed over the old replaces them.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/files.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Another program holding the file (an advisory lock) keeps us out, as an
// open without sharing would; never waits.
bool HeldElsewhere(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

}  // namespace

bool LockedFile::OpenForReading(std::string_view name) {
    const fs::path path = ResolvePath(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    stream_.open(path, std::ios::binary);
    return stream_.is_open();
}

LockedFile::~LockedFile() {
    stream_.close();
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));  // lets the lock go
    }
}

bool ReplaceFileContents(std::string_view name, const std::string& bytes) {
    fs::path target = ResolvePath(name);
    std::error_code error;
    // A settings file kept elsewhere through a link stays a link.
    if (fs::is_symlink(target, error)) {
        const fs::path real = fs::canonical(target, error);
        if (!error) {
            target = real;
        }
    }
    if (HeldElsewhere(target)) {
        return false;
    }
    std::random_device random;
    std::string tempName = ".";
    tempName += target.filename().string();
    tempName += '.';
    tempName += std::to_string(random());
    tempName += ".new";
    const fs::path temp = target.parent_path() / tempName;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);  // keep the old file's permissions
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the move itself survive a power cut.
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace platform
