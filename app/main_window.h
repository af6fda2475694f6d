#pragma once
// The configurator's home screen: the product title, the active configuration, the work as
// numbered steps, the icon buttons, the update link and the maker's web link.
#include "app/app_state.h"
#include "common/platform.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace corvane {

class CorvaneDialog;
class VersionChecker;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFBoot;
struct ButtonPlace;

// The modal windows the main window opens; a window not built in this code base stays null.
struct ShellWindows {
    TFNew_Project* newProject = nullptr;
    TFOpenConf* openConf = nullptr;
    TFAbout* about = nullptr;
    CorvaneDialog* softOptions = nullptr;
    CorvaneDialog* parGen = nullptr;
    CorvaneDialog* daliAccess = nullptr;
    TFBoot* boot = nullptr;
};

class TFCorvanoFirmWare : public QWidget {
    Q_OBJECT
public:
    // The state must have gone through start-up: the catalogue is filled and the folders are known.
    TFCorvanoFirmWare(AppState& state, Platform& platform, QWidget* parent = nullptr);

    void attachWindows(const ShellWindows& windows) { windows_ = windows; }
    const ShellWindows& windows() const { return windows_; }

    void Set_Lang();
    // Re-applies the catalogue to every window, in the fixed order.
    void Change_Language();
    // Writes Corvane.xml; a failure is shown naming the file. True when written.
    bool Save_Setting();
    void Create_New_Project();
    void Open_Project();
    void Update_Device();

    // Enables Timer_Update exactly when internet access and the update check are both allowed;
    // a timer already running keeps its count.
    void applyUpdateTimerRule();
    QTimer* updateTimer() const { return Timer_Update; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override; // clicks on L_Telvor

private:
    void layOut();
    void addTitle();
    void addStepButtons();
    void addIconButtons();
    void addStepLabels();
    void addConfigurationFrame();
    void addLinks();
    void applyButtonTexts(const ButtonPlace* places, size_t count);
    void showConfigurationLabels();
    void Btn_Click(QObject* sender);
    void showEditor(CorvaneDialog* window);
    void Timer_UpdateTimer();
    void showUpdateLink(bool newerVersion);
    QString text(int index) const;

    AppState& state_;
    Platform& platform_;
    ShellWindows windows_;
    VersionChecker* checker_ = nullptr; // asks the maker's server off the window's thread

    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
    QLabel* L_Name_Conf = nullptr;
    QLabel* L_Name_Conf_L2 = nullptr;
    QLabel* LL_Update = nullptr;
    QLabel* L_Telvor = nullptr;
    QTimer* Timer_Update = nullptr;
};

} // namespace corvane
