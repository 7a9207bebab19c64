// The one seam between the program and everything outside it: the clock,
// window timers, sleeping, modal loops, message boxes, sound output and
// opening files and addresses. A host implements it: the simulated host for
// tests, the desktop front ends for users.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Dialog;

// Local breakdown of a calendar time.
struct LocalTime {
    int year = 1970;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59
    int weekday = 4;  // 0 Sunday .. 6 Saturday
};

// Message box contents and answers.
enum class MessageIcon { None, Exclamation, Information, Question, Stop };
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct MessageBoxRequest {
    const Dialog* owner = nullptr;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
};

// What the minimised window's painting needs from the host.
struct PaintContext {
    bool minimized = false;
    int clientWidth = 0;
    int clientHeight = 0;
    int iconWidth = 32;
    int iconHeight = 32;
};

// A sound to play: a file relative to the current directory, or the chime
// built into the program.
struct SoundRequest {
    enum class Source { File, Chime };
    Source source = Source::Chime;
    std::string fileName;
};

class Host {
  public:
    virtual ~Host() = default;

    // Calendar time in whole seconds, and its breakdown into local time.
    virtual std::int64_t Time() = 0;
    virtual LocalTime ToLocal(std::int64_t time) = 0;

    // Window timers of a dialog, one per id. A timer notifies its dialog every
    // period until killed; arming an armed id restarts it with the new period;
    // killing an id that is not armed does nothing. A timer that falls due
    // while the thread is busy is delivered once, late, and never caught up.
    virtual void SetTimer(Dialog& owner, unsigned id, std::uint32_t periodMs) = 0;
    virtual void KillTimer(Dialog& owner, unsigned id) = 0;
    virtual void KillAllTimers(Dialog& owner) = 0;

    // Blocks the user-interface thread; nothing is handled meanwhile.
    virtual void Sleep(std::uint32_t ms) = 0;

    // Shows the created dialog and runs its loop until the dialog has ended.
    // The loop keeps delivering every open dialog's timers.
    virtual void RunModalLoop(Dialog& dialog) = 0;
    // A dialog has ended; the loop running it should return.
    virtual void DialogEnded(Dialog& dialog) = 0;
    // A dialog object is going away while its window was still open; the host
    // forgets it.
    virtual void DialogGone(Dialog& dialog) = 0;

    // A modal message box with an OK button; returns the button pressed.
    virtual int MessageBox(const MessageBoxRequest& request) = 0;

    // Plays a sound once in the background, stopping any sound this program is
    // still playing. Returns at once; false when it could not be started.
    virtual bool PlaySound(const SoundRequest& request) = 0;

    // Hands a file (relative to the current directory) or a web address to the
    // system's program for it, without waiting.
    virtual void OpenDocument(const std::string& target) = 0;

    // Draws the application icon at a client position of a minimised dialog.
    virtual void DrawIcon(Dialog& dialog, int x, int y) = 0;
};

// The host the program runs on. Set once by the program's entry point, or by
// a test for its own lifetime.
Host& CurrentHost();
void SetCurrentHost(Host* host);

}  // namespace platform
