// The program's current directory. It is captured once at start-up; the
// settings file, the sound files and the help page are all named relative to
// it. Tests point it at a folder of their own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

void CaptureCurrentDirectory();  // from the process's working directory
void SetCurrentDirectory(const std::filesystem::path& directory);
const std::filesystem::path& CurrentDirectory();

// A name taken relative to the current directory (absolute names stay).
// Names are UTF-8 on every system.
std::filesystem::path ResolvePath(std::string_view name);
std::string NameOf(const std::filesystem::path& path);  // the UTF-8 form

// True when the file system has an entry of that name, file or directory.
// A name holding '?' or '*' never exists.
bool EntryExists(std::string_view name);

// Names of the ordinary files of the current directory whose names match the
// pattern, ignoring case. Directories and other entries are left out.
std::vector<std::string> ListFiles(std::string_view pattern);

}  // namespace platform

namespace platform {

// An open settings-style file, held so that no other program can hold it at
// the same time (an advisory lock here). Reads go through `Stream`.
class LockedFile {
  public:
    // Opens an existing file for reading; fails when it does not exist, cannot
    // be read, or another program holds it.
    bool OpenForReading(std::string_view name);
    std::istream& Stream() { return stream_; }
    std::uint64_t Size() const { return size_; }
    ~LockedFile();

  private:
    std::intptr_t handle_ = -1;  // descriptor or handle that holds the file
    std::uint64_t size_ = 0;
    std::ifstream stream_;
};

// Writes the bytes as the new contents of the named file without ever leaving
// it half written: a new file is written beside it and moved over it once
// complete. Fails, leaving the old file as it was, when the file is held by
// another program or the new one cannot be written in full.
bool ReplaceFileContents(std::string_view name, const std::string& bytes);

}  // namespace platform
