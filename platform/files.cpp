#include "platform/files.h"

#include <system_error>

#include "platform/runtime.h"

namespace platform {

namespace fs = std::filesystem;

namespace {
fs::path& Current() {
    static fs::path current;
    return current;
}
}  // namespace

void CaptureCurrentDirectory() {
    std::error_code error;
    fs::path here = fs::current_path(error);
    Current() = error ? fs::path(".") : here;
}

void SetCurrentDirectory(const fs::path& directory) {
    Current() = directory;
}

const fs::path& CurrentDirectory() {
    if (Current().empty()) {
        CaptureCurrentDirectory();
    }
    return Current();
}

fs::path ResolvePath(std::string_view name) {
    fs::path path{std::string(name)};
    return path.is_absolute() ? path : CurrentDirectory() / path;
}

bool EntryExists(std::string_view name) {
    if (name.empty() || name.find_first_of("?*") != std::string_view::npos) {
        return false;
    }
    std::error_code error;
    return fs::exists(ResolvePath(name), error);
}

std::vector<std::string> ListFiles(std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(CurrentDirectory(), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code statError;
        if (!it->is_regular_file(statError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (MatchesPatternNoCase(name, pattern)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace platform
