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

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

namespace {

// Shows the window (running its show handler, as the modal showing does) and saves its picture.
bool save(QWidget* window, const QDir& output, const QString& name) {
    window->show();
    QApplication::processEvents();
    const bool saved = window->grab().save(output.filePath("app_" + name + ".png"));
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

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
    bool ok = save(&main, output, "main_window_no_configuration");
    for (const char* name : {"Hall North", "Plant A", "Warehouse"}) corvane::createConfiguration(state, name);
    state.activateProject("Plant A");
    main.Set_Lang();
    ok &= save(&main, output, "main_window");
    ok &= save(main.findChild<corvane::TFNew_Project*>(), output, "new_configuration");
    ok &= save(main.findChild<corvane::TFOpenConf*>(), output, "open_configuration");
    ok &= save(main.findChild<corvane::TFAbout*>(), output, "about");
    return ok ? 0 : 1;
}
