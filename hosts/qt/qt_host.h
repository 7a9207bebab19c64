// The seam on a Qt desktop: the system clock, window timers on Qt's event
// loop, nested loops for modal dialogs, message boxes and the desktop's
// handler for files and addresses.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <vector>

#include "hosts/audio/sdl_player.h"
#include "platform/host.h"
#include "platform/timer_queue.h"

class QEventLoop;

namespace qthost {

class DialogView;

class QtHost : public QObject, public platform::Host {
    Q_OBJECT
  public:
    QtHost();
    ~QtHost() override;

    // Ends every open dialog as its close box would, innermost first: for a
    // logout or SIGTERM, so the settings are saved on the way out.
    void RequestQuit();
    // The view of an open dialog, or null.
    DialogView* ViewOf(const platform::Dialog& dialog) const;
    // Called with each new view, before it is shown (tests drive it there).
    std::function<void(DialogView&)> onViewShown;

    std::int64_t Time() override;
    platform::LocalTime ToLocal(std::int64_t time) override;
    void SetTimer(platform::Dialog& owner, unsigned id, std::uint32_t periodMs) override;
    void KillTimer(platform::Dialog& owner, unsigned id) override;
    void KillAllTimers(platform::Dialog& owner) override;
    void Sleep(std::uint32_t ms) override;
    void RunModalLoop(platform::Dialog& dialog) override;
    void DialogEnded(platform::Dialog& dialog) override;
    void DialogGone(platform::Dialog& dialog) override;
    int MessageBox(const platform::MessageBoxRequest& request) override;
    bool PlaySound(const platform::SoundRequest& request) override;
    void OpenDocument(const std::string& target) override;
    void DrawIcon(platform::Dialog& dialog, int x, int y) override;

  private:
    struct Open {
        platform::Dialog* dialog;
        DialogView* view;
        QEventLoop* loop;
    };

    void ReleaseAudioWhenDone();

    QElapsedTimer clock_;
    audio::SdlPlayer player_;
    QTimer audioIdle_;
    QTimer wakeUp_;
    platform::WakeUpTimers timers_;
    std::vector<Open> open_;
};

}  // namespace qthost
