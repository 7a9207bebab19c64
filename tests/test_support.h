// Shared helpers for tests: a temporary current directory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"

namespace testing_support {

// A fresh, empty current directory for the program, removed afterwards.
class TempCurrentDirectory {
  public:
    TempCurrentDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "selvantora-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        platform::SetCurrentDirectory(path_);
    }
    ~TempCurrentDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace testing_support
