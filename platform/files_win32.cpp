// Files held while they are read or written, on Windows: a handle that shares
// no writing holds them, and a new file moved over the old replaces them.
#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/files.h"

#undef SetCurrentDirectory  // the macro would rename ours

namespace platform {

namespace fs = std::filesystem;

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// Another program holding the file without sharing it keeps us out; never
// waits.
bool HeldElsewhere(const fs::path& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    }
    ::CloseHandle(file);
    return false;
}

}  // namespace

bool LockedFile::OpenForReading(std::string_view name) {
    const fs::path path = ResolvePath(name);
    // Others may read it meanwhile, but not write or hold it.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    stream_.open(path, std::ios::binary);
    return stream_.is_open();
}

LockedFile::~LockedFile() {
    stream_.close();
    if (handle_ != -1) {
        ::CloseHandle(AsHandle(handle_));  // lets the file go
    }
}

bool ReplaceFileContents(std::string_view name, const std::string& bytes) {
    const fs::path target = ResolvePath(name);
    if (HeldElsewhere(target)) {
        return false;
    }
    std::random_device random;
    std::wstring tempName = L".";
    tempName += target.filename().wstring();
    tempName += L'.';
    tempName += std::to_wstring(random());
    tempName += L".new";
    const fs::path temp = target.parent_path() / tempName;
    const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes) && ::FlushFileBuffers(file);
    const bool closed = ::CloseHandle(file) != 0;
    // Moved over the old file only once complete, and on disk before returning.
    if (!written || !closed ||
        !::MoveFileExW(temp.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
