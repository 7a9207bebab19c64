// The program's current directory. It is captured once at start-up; the
// settings file, the sound files and the help page are all named relative to
// it. Tests point it at a folder of their own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

void CaptureCurrentDirectory();  // from the process's working directory
void SetCurrentDirectory(const std::filesystem::path& directory);
const std::filesystem::path& CurrentDirectory();

// A name taken relative to the current directory (absolute names stay).
std::filesystem::path ResolvePath(std::string_view name);

// True when the file system has an entry of that name, file or directory.
// A name holding '?' or '*' never exists.
bool EntryExists(std::string_view name);

// Names of the ordinary files of the current directory whose names match the
// pattern, ignoring case. Directories and other entries are left out.
std::vector<std::string> ListFiles(std::string_view pattern);

}  // namespace platform
