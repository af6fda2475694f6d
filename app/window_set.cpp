#include "app/window_set.h"

#include "app/about_window.h"
#include "app/new_project_window.h"
#include "app/open_conf_window.h"
#include "app/soft_options_window.h"
#include "dali/dali_access_window.h"
#include "settings/par_gen_window.h"
#include "update/boot_window.h"

namespace corvane {

template <class Window> Window* WindowSet::create(AppState& state, Platform& platform) {
    auto* window = new Window(state, platform, main_.get());
    order_.push_back(window);
    return window;
}

WindowSet::WindowSet(AppState& state, Platform& platform)
    : main_(std::make_unique<TFCorvanoFirmWare>(state, platform)) {
    order_.push_back(main_.get());
    ShellWindows windows;
    windows.newProject = create<TFNew_Project>(state, platform);
    windows.openConf = create<TFOpenConf>(state, platform);
    windows.about = create<TFAbout>(state, platform);
    auto* softOptions = create<TFSoftOptions>(state, platform);
    softOptions->setChangeLanguage([main = main_.get()] { main->Change_Language(); });
    windows.softOptions = softOptions;
    windows.parGen = create<TFParGen>(state, platform);
    windows.daliAccess = create<TFDALI_Access>(state, platform);
    windows.boot = create<TFBoot>(state, platform);
    main_->attachWindows(windows);
}

WindowSet::~WindowSet() = default;

} // namespace corvane
