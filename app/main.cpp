#include "app/rawcastapp.h"
#include "platform/gui/printsetupdialog.h"
#include "platform/gui/winapp_gui.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CRawcastApp theApp;
    theApp.m_arguments = QCoreApplication::arguments().mid(1);
    AfxInstallGuiHandlers();
    AfxInstallPrintSetupDialog();

    // Log-off and a polite kill end the program as its close box does, settings written.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [](QSessionManager&) {});
    QSocketNotifier* notifier = nullptr;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &application);
        QObject::connect(notifier, &QSocketNotifier::activated, &application, [&theApp] {
            char byte;
            [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
            theApp.OnAppExit();
        });
        std::signal(SIGTERM, onTerminate);
        std::signal(SIGHUP, onTerminate);
        std::signal(SIGINT, onTerminate);
    }
    return AfxWinMain(theApp);
}
