#include "hosts/qt/qt_host.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
#include <QPainter>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <climits>
#include <ctime>
#include <thread>

#include "hosts/qt/dialog_view.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "res/chime.h"

namespace qthost {

QtHost::QtHost()
    : timers_([this] { return clock_.elapsed(); },
              [this](std::optional<std::int64_t> inMs) {
                  if (inMs) {
                      wakeUp_.start(static_cast<int>(std::min<std::int64_t>(*inMs, INT_MAX)));
                  } else {
                      wakeUp_.stop();
                  }
              }) {
    clock_.start();
    wakeUp_.setSingleShot(true);
    // Bells are due on the dot; a coarse timer would let them drift.
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, [this] { timers_.DeliverDue(); });
    audioIdle_.setSingleShot(true);
    // The chime is decoded once the window is up, so its first bell is prompt.
    QTimer::singleShot(1000, this, [this] {
        player_.Prepare(res::ChimeWave());
        ReleaseAudioWhenDone();
    });
    connect(&audioIdle_, &QTimer::timeout, this, [this] {
        if (player_.Remaining().count() > 0) {
            ReleaseAudioWhenDone();
        } else {
            player_.CloseIfIdle();
        }
    });
}

QtHost::~QtHost() = default;

std::int64_t QtHost::Time() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

platform::LocalTime QtHost::ToLocal(std::int64_t time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    platform::LocalTime out;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = std::min(local.tm_sec, 59);  // a leap second reads as :59
    out.weekday = local.tm_wday;
    return out;
}

// --- Window timers ---------------------------------------------------------------

void QtHost::SetTimer(platform::Dialog& owner, unsigned id, std::uint32_t periodMs) {
    timers_.Set(owner, id, periodMs);
}

void QtHost::KillTimer(platform::Dialog& owner, unsigned id) {
    timers_.Kill(owner, id);
}

void QtHost::KillAllTimers(platform::Dialog& owner) {
    timers_.KillAll(owner);
}

void QtHost::Sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// --- Dialogs ---------------------------------------------------------------------

DialogView* QtHost::ViewOf(const platform::Dialog& dialog) const {
    for (const Open& o : open_) {
        if (o.dialog == &dialog) {
            return o.view;
        }
    }
    return nullptr;
}

void QtHost::RunModalLoop(platform::Dialog& dialog) {
    QWidget* owner = open_.empty() ? nullptr : open_.back().view;
    auto* view = new DialogView(dialog, owner);
    QEventLoop loop;
    open_.push_back({&dialog, view, &loop});
    if (onViewShown) {
        onViewShown(*view);
    }
    view->show();
    // The platform focuses the first tab stop when a dialog opens.
    for (QWidget* widget : view->Widgets()) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus(Qt::ActiveWindowFocusReason);
            break;
        }
    }
    view->ApplyFocusRequest();
    if (!dialog.HasEnded()) {
        loop.exec();
    }
    open_.erase(std::remove_if(open_.begin(), open_.end(),
                               [&](const Open& o) { return o.dialog == &dialog; }),
                open_.end());
    view->AllowClose();
    view->hide();
    delete view;
}

void QtHost::DialogEnded(platform::Dialog& dialog) {
    for (const Open& o : open_) {
        if (o.dialog == &dialog) {
            o.loop->quit();
        }
    }
}

void QtHost::DialogGone(platform::Dialog& dialog) {
    // Only a dialog whose loop is running can be open here, and its loop
    // holds it until it ends; nothing to forget.
    DialogEnded(dialog);
}

void QtHost::RequestQuit() {
    const std::vector<Open> open = open_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        it->dialog->UserClose();
    }
}

int QtHost::MessageBox(const platform::MessageBoxRequest& request) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.icon) {
        case platform::MessageIcon::Exclamation:
            icon = QMessageBox::Warning;
            break;
        case platform::MessageIcon::Information:
            icon = QMessageBox::Information;
            break;
        case platform::MessageIcon::Question:
            icon = QMessageBox::Question;
            break;
        case platform::MessageIcon::Stop:
            icon = QMessageBox::Critical;
            break;
        case platform::MessageIcon::None:
            break;
    }
    QWidget* owner = request.owner ? ViewOf(*request.owner) : nullptr;
    QMessageBox box(icon, QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::Ok, owner);
    box.exec();  // a nested loop: the timers go on
    return platform::kIdOk;
}

bool QtHost::PlaySound(const platform::SoundRequest& request) {
    const bool started = request.source == platform::SoundRequest::Source::File
                             ? player_.PlayFile(platform::ResolvePath(request.fileName))
                             : player_.PlayWave(res::ChimeWave());
    ReleaseAudioWhenDone();
    return started;
}

void QtHost::ReleaseAudioWhenDone() {
    // A little after the sound ends, so its last buffers reach the speaker.
    constexpr int kTailMs = 2000;
    audioIdle_.start(static_cast<int>(player_.Remaining().count()) + kTailMs);
}

void QtHost::OpenDocument(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url =
        text.contains("://")
            ? QUrl(text)
            : QUrl::fromLocalFile(QString::fromStdString(platform::ResolvePath(target).string()));
    QDesktopServices::openUrl(url);
}

void QtHost::DrawIcon(platform::Dialog& dialog, int x, int y) {
    if (DialogView* view = ViewOf(dialog)) {
        QPainter painter(view);
        painter.drawPixmap(x, y, view->windowIcon().pixmap(32, 32));
    }
}

}  // namespace qthost
