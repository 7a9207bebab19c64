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
    // From UTF-8 whatever the system's own encoding of names.
    const fs::path path{std::u8string(name.begin(), name.end())};
    return path.is_absolute() ? path : CurrentDirectory() / path;
}

bool EntryExists(std::string_view name) {
    if (name.empty() || name.find_first_of("?*") != std::string_view::npos) {
        return false;
    }
    std::error_code error;
    return fs::exists(ResolvePath(name), error);
}

std::string NameOf(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
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
        std::string name = NameOf(it->path().filename());
        if (MatchesPatternNoCase(name, pattern)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace platform
