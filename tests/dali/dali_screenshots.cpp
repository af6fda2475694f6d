// Saves pictures of the three pages of the DALI Access window, with some rows filled, into the folder
// given as argument: dali_select_device.png, dali_set_access.png, dali_functions.png.
#include "dali/dali_access_file.h"
#include "dali/dali_access_window.h"
#include "tests/dali/dali_window_fixture.h"

#include "tests/support/picture_folder.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

namespace {

void writeSampleChannels(const corvane::AppState& state) {
    corvane::DaliChannelTable channels;
    for (int id : {0, 1, 2, 5, 8, 9})
        channels[static_cast<std::size_t>(id)].enabled = true;
    channels[1].minMaxValue = true;
    channels[2].recallLevel = "Recall Min-Max Level for Switch";
    channels[5].recallLevel = "Recall Old Value Level for Switch";
    corvane::writeDaliAccessFile(channels, state.Files.DaliAccessPath);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto output = corvane::testing::PictureFolder::fromArguments(argc, argv);
    if (!output) return 2;

    corvane::testing::DaliWindowFixture f;
    writeSampleChannels(f.state);
    corvane::testing::writeFullTables(f.state, 6, 8);

    corvane::TFDALI_Access window(f.state, f.platform);
    window.show();
    auto* pages = window.findChild<QTabWidget*>("PC_DALI");
    bool saved = output->save(window, "dali_select_device");
    pages->setCurrentIndex(corvane::TFDALI_Access::SetAccessPage);
    saved = output->save(window, "dali_set_access") && saved;
    pages->setCurrentIndex(corvane::TFDALI_Access::FunctionsPage);
    saved = output->save(window, "dali_functions") && saved;
    return saved ? 0 : 1;
}
