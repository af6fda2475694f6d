#pragma once
// TFBoot, the update window: the device's IP address, what to update and read-back; the update
// button tests that the device answers echo requests, writes the job file and runs the updater.
#include "common/corvane_dialog.h"
#include "update/send_ping.h"
#include "update/wait_clock.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace corvane {

class UpdaterWaitDialog;

class TFBoot : public CorvaneDialog {
    Q_OBJECT
public:
    TFBoot(AppState& state, Platform& platform, QWidget* parent = nullptr);

    int Form_Type = 1; // 1 = update over Ethernet, the only mode of this product
    int ping_res = 0;  // 0 no echo yet, 1 reply with data, 2 reply without data

    // Time for the echo test and the wait for the updater; tests replace it with a scripted clock.
    WaitClock waitClock;

    void Set_Lang() override;
    void Btn_UpdateClick();
    // Cancel and the close box; refused while the echo test or the updater runs.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanels();
    void FormShow();
    std::string typedAddress() const;
    bool Send_Ping(const std::string& target);
    void reportNoAnswer(const PingOutcome& outcome);
    bool writeJob();
    void runUpdater();

    QWidget* P_Title = nullptr;
    QWidget* P_IP_Address = nullptr;
    QWidget* P_Options = nullptr;
    QWidget* P_Button = nullptr;
    QLabel* L_IP_Address = nullptr;
    std::array<QLineEdit*, 4> E_IP{};
    QLabel* L_Update_Option = nullptr;
    QComboBox* CB_Update_Options = nullptr;
    QCheckBox* CB_Update_Option_Read_Back = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Update = nullptr;

    PingOutcome lastPing_;
    bool busy_ = false; // echo test or updater running: the window neither closes nor starts again
};

} // namespace corvane
