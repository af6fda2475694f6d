// Saves pictures of the configurator's own windows, as a user sees them, into the folder given as
// argument: the main window without and with a configuration, the new and open dialogs, the About
// box. Runs on any Qt platform, offscreen included.
#include "app/about_window.h"
#include "app/new_configuration.h"
#include "app/new_project_window.h"
#include "app/open_conf_window.h"
#include "app/startup.h"
#include "app/window_set.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include "tests/support/picture_folder.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

namespace {

// Shows the window (running its show handler, as the modal showing does) and saves its picture.
bool save(QWidget* window, const corvane::testing::PictureFolder& output, const QString& name) {
    window->show();
    const bool saved = output.save(*window, "app_" + name);
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto output = corvane::testing::PictureFolder::fromArguments(argc, argv);
    if (!output) return 2;

    corvane::testing::TempDir appDir;
    corvane::testing::FakePrompts prompts;
    corvane::testing::FakeUrlOpener urls;
    corvane::Platform platform;
    platform.prompts = &prompts;
    platform.urls = &urls;
    corvane::AppState state;
    corvane::startUp(state, appDir.path());

    corvane::WindowSet windows(state, platform);
    corvane::TFCorvanoFirmWare& main = windows.main();
    bool ok = save(&main, *output, "main_window_no_configuration");
    for (const char* name : {"Hall North", "Plant A", "Warehouse"}) corvane::createConfiguration(state, name);
    state.activateProject("Plant A");
    main.Set_Lang();
    ok &= save(&main, *output, "main_window");
    ok &= save(main.findChild<corvane::TFNew_Project*>(), *output, "new_configuration");
    ok &= save(main.findChild<corvane::TFOpenConf*>(), *output, "open_configuration");
    ok &= save(main.findChild<corvane::TFAbout*>(), *output, "about");
    return ok ? 0 : 1;
}
