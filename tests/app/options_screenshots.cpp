// Saves pictures of the options dialog into the folder given as argument: each of its three pages
// in English and in Italian (app_options_<page>_<language>.png), with the shipped language files
// and a version check that found a newer version; then the first of two pages of languages.
#include "app/soft_options_window.h"
#include "app/startup.h"
#include "app/version_checker.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

#include "tests/support/picture_folder.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTabWidget>

#include <cstdio>
#include <filesystem>

namespace {

class NewerVersionServer : public corvane::HttpClient {
public:
    std::optional<std::string> get(const Request&) override { return "VER. 1.301"; }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto output = corvane::testing::PictureFolder::fromArguments(argc, argv);
    if (!output) return 2;

    corvane::testing::TempDir appDir;
    std::filesystem::copy(CORVANE_LANGUAGE_DIR, appDir / "LANGUAGE");
    corvane::testing::FakePrompts prompts;
    corvane::testing::FakeUrlOpener urls;
    NewerVersionServer http;
    corvane::Platform platform{&prompts, &urls, &http};
    corvane::AppState state;
    corvane::startUp(state, appDir.path());
    state.EnableInternet = state.EnableUpdateCheck = true;

    corvane::TFSoftOptions window(state, platform);
    const char* pageNames[] = {"language", "connection", "settings"};
    int failures = 0;
    for (const char* language : {"English", "Italiano"}) {
        state.LanguageName = language;
        state.Texts.InitLanguage(state.LanguageDir, state.LanguageName);
        window.Set_Lang();
        window.show();
        auto* pages = window.findChild<QTabWidget*>("PC_Options"); // made on the first showing
        QEventLoop waitForCheck;
        QObject::connect(&window.versionChecker(), &corvane::VersionChecker::finished, &waitForCheck, &QEventLoop::quit);
        window.versionChecker().start();
        waitForCheck.exec();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            if (!output->save(window, QString("app_options_%1_%2").arg(pageNames[page], language))) ++failures;
        }
        window.hide();
    }

    // Two pages of languages; those without a flag of their own show the default flag.
    for (const char* extra : {"Deutsch", "Espanol", "Francais", "Nederlands", "Polski", "Portugues"})
        appDir.write(std::string("LANGUAGE/") + extra + ".lng", "STR0 = -");
    window.findChild<QTabWidget*>("PC_Options")->setCurrentIndex(0);
    window.show();
    if (!output->save(window, "app_options_language_pages")) ++failures;
    return failures == 0 ? 0 : 1;
}
