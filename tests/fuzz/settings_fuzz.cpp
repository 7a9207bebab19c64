// Fuzzes the settings loader: whatever the bytes, loading must not crash,
// hang or take memory for data that is not there, and must leave the alarm
// lists of one length. Saving and loading again settles at once: after one
// more round (which turns a stored -1 into 0), a saved file loads to itself.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "app/timer_dlg.h"
#include "hosts/sim/sim_host.h"
#include "platform/files.h"
#include "settings/archive.h"

namespace {

struct Window {
    Window() {
        platform::SetCurrentDirectory(std::filesystem::temp_directory_path());
        host.Open(dlg);
    }
    sim::SimHost host;
    CTimerDlg dlg;
};

std::string Load(CTimerDlg& dlg, const std::string& bytes) {
    std::istringstream in(bytes);
    settings::Archive load(in, bytes.size());
    dlg.Serialize(load);
    settings::Archive save;
    dlg.Serialize(save);
    return save.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Window* window = new Window;
    CTimerDlg& dlg = window->dlg;
    const std::string saved = Load(dlg, std::string(reinterpret_cast<const char*>(data), size));
    if (dlg.m_alarmTimes.size() != dlg.m_alarmDays.size() ||
        dlg.m_alarmTimes.size() != dlg.m_alarmSounds.size()) {
        std::abort();
    }
    const std::string settled = Load(dlg, saved);
    if (Load(dlg, settled) != settled) {
        std::abort();
    }
    return 0;
}
