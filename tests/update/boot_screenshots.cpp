// Saves pictures of the update window into the folder given as argument: update_boot.png (as it
// opens with the last device address) and update_wait.png (the notice while the updater runs).
#include "tests/support/fake_platform.h"
#include "update/boot_window.h"
#include "update/updater_wait_dialog.h"

#include "tests/support/picture_folder.h"

#include <QApplication>
#include <QDir>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto output = corvane::testing::PictureFolder::fromArguments(argc, argv);
    if (!output) return 2;

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
    bool saved = output->save(window, "update_boot");

    corvane::UpdaterWaitDialog notice(&window);
    notice.showWaited(std::chrono::seconds(12));
    saved = output->save(notice, "update_wait") && saved;
    return saved ? 0 : 1;
}
