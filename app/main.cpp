// The configurator's entry point: the real platform services, start-up, the windows, the run.
#include "app/corvane_application.h"
#include "app/startup.h"
#include "app/window_set.h"
#include "common/corvane_dialog.h"
#include "common/curl_http_client.h"
#include "common/locale_regional_settings.h"
#include "common/qt_platform.h"
#include "common/serial_port_probe.h"
#include "update/icmp_echo_client.h"
#include "update/system_process_runner.h"

#include <QTimer>
#include <cstring>

namespace {

// Used by tests and the start-up benchmark: close the main window as soon as the run begins.
bool quitAfterStart(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--quit-after-start") == 0) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    corvane::CorvaneApplication application(argc, argv);
    // Every window uses the program's font; as the default too, no control loads a second one.
    QApplication::setFont(corvane::programFont());

    corvane::QtPrompts prompts;
    corvane::DesktopUrlOpener urls;
    corvane::CurlHttpClient http;
    corvane::LocaleRegionalSettings regional;
    corvane::IcmpEchoClient echo;
    corvane::SystemProcessRunner processes;
    corvane::LinuxSerialPortProbe serial;
    corvane::Platform platform;
    platform.prompts = &prompts;
    platform.urls = &urls;
    platform.http = &http;
    platform.regional = &regional;
    platform.echo = &echo;
    platform.processes = &processes;
    platform.serial = &serial;
    application.setPrompts(&prompts);

    corvane::AppState state;
    for (const std::string& problem : corvane::startUp(state, corvane::executableDir())) prompts.error(problem);

    corvane::WindowSet windows(state, platform);
    windows.main().show();
    if (quitAfterStart(argc, argv)) QTimer::singleShot(0, &windows.main(), [&windows] { windows.main().close(); });
    return application.exec();
}
