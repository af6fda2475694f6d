// Saves pictures of the Set Communication window into the folder given as argument:
// settings_expanded.png, settings_ethernet_collapsed.png, settings_dali_collapsed.png.
#include "settings/par_gen_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include <QAbstractButton>
#include "tests/support/picture_folder.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

void click(QWidget& window, const char* button) { window.findChild<QAbstractButton*>(button)->click(); }

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto output = corvane::testing::PictureFolder::fromArguments(argc, argv);
    if (!output) return 2;

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
    bool saved = output->save(window, "settings_expanded");
    click(window, "Btn_Modbus_TCP_Slave_Collapse");
    saved = output->save(window, "settings_ethernet_collapsed") && saved;
    click(window, "Btn_Modbus_TCP_Slave_Expande");
    click(window, "Btn_DALI_Collapse");
    saved = output->save(window, "settings_dali_collapsed") && saved;
    click(window, "Btn_Modbus_TCP_Slave_Collapse");
    saved = output->save(window, "settings_both_collapsed") && saved;
    return saved ? 0 : 1;
}
