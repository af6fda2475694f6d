// Saves a picture of every configurator window, as a user sees it, into the folder given as argument
// (app_<window>.png). Runs on any Qt platform, offscreen included.
#include "app/new_configuration.h"
#include "app/startup.h"
#include "app/window_set.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

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
    for (const char* name : {"Hall North", "Plant A", "Warehouse"}) corvane::createConfiguration(state, name);

    corvane::WindowSet windows(state, platform);
    int failures = 0;
    for (QWidget* window : windows.creationOrder()) {
        window->show(); // runs the show handler, as the modal showing does
        QApplication::processEvents();
        const QString name = QString(window->metaObject()->className()).section("::", -1);
        const QString file = output.filePath("app_" + name + ".png");
        if (!window->grab().save(file)) ++failures;
        window->hide();
    }
    return failures == 0 ? 0 : 1;
}
