// Saves pictures of the update window into the folder given as argument: update_boot.png (as it
// opens with the last device address) and update_wait.png (the notice while the updater runs).
#include "tests/support/fake_platform.h"
#include "update/boot_window.h"
#include "update/updater_wait_dialog.h"

#include <QApplication>
#include <QDir>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

    corvane::testing::FakePrompts prompts;
    corvane::Platform platform;
    platform.prompts = &prompts;
    corvane::AppState state;
    state.Texts.FillDefaultTexts();
    state.SoftwareCode = corvane::kSoftwareCode;
    state.LastIpAddress = "192.168.0.10";
    state.UpdateReadBack = true;

    corvane::TFBoot window(state, platform);
    window.show();
    QApplication::processEvents();
    bool saved = window.grab().save(output.filePath("update_boot.png"));

    corvane::UpdaterWaitDialog notice(&window);
    notice.showWaited(std::chrono::seconds(12));
    QApplication::processEvents();
    saved = notice.grab().save(output.filePath("update_wait.png")) && saved;
    return saved ? 0 : 1;
}
