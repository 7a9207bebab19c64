// The desktop program: no command line, one main window.
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

#include "app/timer_app.h"
#include "hosts/qt/images.h"
#include "hosts/qt/qt_host.h"
#include "platform/files.h"

namespace {

int g_signalPipe[2] = {-1, -1};

void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Selvantora");
    QApplication::setWindowIcon(qthost::AppIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    platform::CaptureCurrentDirectory();
    qthost::QtHost host;
    platform::SetCurrentHost(&host);

    // SIGTERM and the end of the desktop session close the window as its
    // close box does, so the settings are saved rather than lost.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &application);
        QObject::connect(notifier, &QSocketNotifier::activated, &host, [&host] {
            char byte;
            [[maybe_unused]] const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
            host.RequestQuit();
        });
        struct sigaction action {};
        action.sa_handler = OnTerminate;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
    }
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &host,
                     [&host](QSessionManager&) { host.RequestQuit(); });

    theApp.InitInstance();
    platform::SetCurrentHost(nullptr);
    return 0;
}
