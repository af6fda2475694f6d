// Saves pictures of the Set Communication window into the folder given as argument:
// settings_expanded.png, settings_ethernet_collapsed.png, settings_dali_collapsed.png.
#include "settings/par_gen_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

bool save(QWidget& window, const QDir& output, const char* name) {
    QApplication::processEvents();
    return window.grab().save(output.filePath(QString("settings_") + name + ".png"));
}

void click(QWidget& window, const char* button) { window.findChild<QAbstractButton*>(button)->click(); }

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

    corvane::testing::TempDir projectDir;
    corvane::testing::FakePrompts prompts;
    corvane::Platform platform;
    platform.prompts = &prompts;
    corvane::AppState state;
    state.Texts.FillDefaultTexts();
    state.SoftwareCode = corvane::kSoftwareCode;
    state.ProjectDir = projectDir.path();
    state.Set_Files();

    corvane::TFParGen window(state, platform);
    window.show();
    bool saved = save(window, output, "expanded");
    click(window, "Btn_Modbus_TCP_Slave_Collapse");
    saved = save(window, output, "ethernet_collapsed") && saved;
    click(window, "Btn_Modbus_TCP_Slave_Expande");
    click(window, "Btn_DALI_Collapse");
    saved = save(window, output, "dali_collapsed") && saved;
    click(window, "Btn_Modbus_TCP_Slave_Collapse");
    saved = save(window, output, "both_collapsed") && saved;
    return saved ? 0 : 1;
}
