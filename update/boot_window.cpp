#include "update/boot_window.h"

#include "common/field_parsers.h"
#include "common/file_error.h"
#include "update/background_echo_client.h"
#include "update/start_program.h"
#include "update/update_job_file.h"
#include "update/update_job_layout.h"
#include "update/updater_wait_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

namespace {

// Panels top to bottom; the window is as high as the four together.
constexpr int kClientWidth = 449;
constexpr int kTitleHeight = 69;
constexpr int kAddressHeight = 49;
constexpr int kOptionsHeight = 72;
constexpr int kButtonHeight = 40;

constexpr int kAddressEditLeft = 232;
constexpr int kAddressEditStep = 50;
constexpr int kAddressEditWidth = 41;

// Catalogue texts of the window.
constexpr int kCaption = 802, kDescription = 803, kAddressLabel = 806, kOptionLabel = 814;
constexpr int kFirstOption = 815, kReadBack = 818, kCancel = 819, kUpdate = 820, kFirstAddressHint = 821;
constexpr int kOptionsHint = 832, kReadBackHint = 833, kCancelHint = 834, kUpdateHint = 835;
constexpr int kDeviceNotFound = 836, kCheckAddress = 837;
constexpr int kOptionCount = 3;

QWidget* panel(QWidget* parent, const char* name, int top, int height) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setGeometry(0, top, kClientWidth, height);
    return widget;
}

template <typename Widget>
Widget* control(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

TFBoot::TFBoot(AppState& state, Platform& platform, QWidget* parent)
    : CorvaneDialog(state, platform, parent),
      waitClock(realWaitClock([] { QCoreApplication::processEvents(QEventLoop::AllEvents); })) {
    setObjectName("TFBoot");
    buildPanels();
    setClientSize(kClientWidth, kTitleHeight + kAddressHeight + kOptionsHeight + kButtonHeight);
    Set_Lang();
}

void TFBoot::buildPanels() {
    P_Title = panel(this, "P_Title", 0, kTitleHeight);
    addTitleLabels();
    L_SW_Code->setParent(P_Title);
    L_SW_Desc->setParent(P_Title);

    P_IP_Address = panel(this, "P_IP_Address", kTitleHeight, kAddressHeight);
    L_IP_Address = control<QLabel>(P_IP_Address, "L_IP_Address", QRect(16, 16, 210, 17));
    static const char* const kEditNames[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    for (int i = 0; i < 4; ++i) {
        const int left = kAddressEditLeft + i * kAddressEditStep;
        E_IP[i] = control<QLineEdit>(P_IP_Address, kEditNames[i], QRect(left, 14, kAddressEditWidth, 21));
        E_IP[i]->setText("0");
        E_IP[i]->installEventFilter(this);
        if (i < 3) control<QLabel>(P_IP_Address, "L_Dot", QRect(left + kAddressEditWidth + 3, 18, 4, 17))->setText(".");
    }

    P_Options = panel(this, "P_Options", kTitleHeight + kAddressHeight, kOptionsHeight);
    L_Update_Option = control<QLabel>(P_Options, "L_Update_Option", QRect(16, 4, 382, 17));
    CB_Update_Options = control<QComboBox>(P_Options, "CB_Update_Options", QRect(16, 22, 382, 22));
    CB_Update_Option_Read_Back = control<QCheckBox>(P_Options, "CB_Update_Option_Read_Back", QRect(16, 49, 382, 19));
    CB_Update_Option_Read_Back->setChecked(true);

    P_Button = panel(this, "P_Button", kTitleHeight + kAddressHeight + kOptionsHeight, kButtonHeight);
    Btn_Update = addButton("Btn_Update", QRect(95, 6, 228, 28));
    Btn_Cancel = addButton("Btn_Cancel", QRect(331, 6, 110, 28));
    Btn_Update->setParent(P_Button);
    Btn_Cancel->setParent(P_Button);
    connect(Btn_Update, &QPushButton::clicked, this, &TFBoot::Btn_UpdateClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFBoot::reject);

    // Tab order: address, options, buttons.
    QWidget* order[] = {E_IP[0], E_IP[1], E_IP[2], E_IP[3], CB_Update_Options, CB_Update_Option_Read_Back,
                        Btn_Update, Btn_Cancel};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TFBoot::Set_Lang() {
    setWindowTitle(text(kCaption));
    L_SW_Desc->setText(text(kDescription));
    fitWhenShown(L_SW_Desc);
    L_IP_Address->setText(text(kAddressLabel));
    L_Update_Option->setText(text(kOptionLabel));
    CB_Update_Options->clear();
    for (int i = 0; i < kOptionCount; ++i) CB_Update_Options->addItem(text(kFirstOption + i));
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Option_Read_Back->setText(text(kReadBack));
    Btn_Cancel->setText(text(kCancel));
    Btn_Update->setText(text(kUpdate));
    for (int i = 0; i < 4; ++i) E_IP[i]->setToolTip(text(kFirstAddressHint + i));
    CB_Update_Options->setToolTip(text(kOptionsHint));
    CB_Update_Option_Read_Back->setToolTip(text(kReadBackHint));
    Btn_Cancel->setToolTip(text(kCancelHint));
    Btn_Update->setToolTip(text(kUpdateHint));
}

void TFBoot::showEvent(QShowEvent* event) {
    FormShow();
    CorvaneDialog::showEvent(event);
}

void TFBoot::FormShow() {
    Set_Lang();
    L_SW_Code->setText(QString::fromStdString(state_.SoftwareCode));
    L_SW_Code->adjustSize();
    P_IP_Address->show();
    P_Options->show();
    setClientSize(kClientWidth, kTitleHeight + kAddressHeight + kOptionsHeight + kButtonHeight);

    // The fields show the last address only when it is a valid dotted address; otherwise they keep
    // what they held (their "0" at the first show, later whatever was typed).
    std::string parts[4];
    if (!state_.LastIpAddress.empty() &&
        SplitIpAddress(state_.LastIpAddress, parts[0], parts[1], parts[2], parts[3]))
        for (int i = 0; i < 4; ++i) E_IP[i]->setText(QString::fromStdString(parts[i]));

    CB_Update_Options->setCurrentIndex(state_.UpdateOptionIndex < kOptionCount ? state_.UpdateOptionIndex : -1);
    CB_Update_Option_Read_Back->setChecked(state_.UpdateReadBack);
    E_IP[0]->setFocus();
}

// "." in an address byte jumps to the next byte and is never typed.
bool TFBoot::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == ".") {
        for (int i = 0; i < 4; ++i) {
            if (watched != E_IP[i]) continue;
            if (i < 3 && E_IP[i + 1]->isEnabled() && E_IP[i + 1]->isVisible()) {
                E_IP[i + 1]->setFocus();
                E_IP[i + 1]->selectAll();
            }
            return true;
        }
    }
    return CorvaneDialog::eventFilter(watched, event);
}

void TFBoot::reject() {
    if (!busy_) CorvaneDialog::reject();
}

std::string TFBoot::typedAddress() const {
    std::string address;
    for (int i = 0; i < 4; ++i) address += (i ? "." : "") + E_IP[i]->text().toStdString();
    return address;
}

void TFBoot::Btn_UpdateClick() {
    if (busy_) return;
    // The fields stay editable while the test runs; the job names the address that answered.
    const std::string target = typedAddress();
    if (!Send_Ping(target)) {
        reportNoAnswer(lastPing_);
        return;
    }
    state_.LastIpAddress = target;
    state_.UpdateOptionIndex = CB_Update_Options->currentIndex();
    state_.UpdateReadBack = CB_Update_Option_Read_Back->isChecked();
    if (writeJob()) runUpdater();
}

bool TFBoot::Send_Ping(const std::string& target) {
    busy_ = true;
    Btn_Update->setEnabled(false);
    if (platform_.echo) {
        BackgroundEchoClient echo(*platform_.echo, waitClock.processEvents);
        lastPing_ = corvane::Send_Ping(echo, target, waitClock);
    } else {
        lastPing_ = PingOutcome{};
    }
    Btn_Update->setEnabled(true);
    busy_ = false;
    ping_res = static_cast<int>(lastPing_.ping_res);
    return lastPing_.reachable;
}

void TFBoot::reportNoAnswer(const PingOutcome& outcome) {
    if (outcome.notPermitted)
        prompts().error(outcome.detail); // the address is not to blame: the system forbids echo requests
    else if (outcome.ping_res == PingResult::NoData)
        prompts().warning(state_.Texts[kDeviceNotFound]);
    else
        prompts().error(state_.Texts[kCheckAddress]);
}

bool TFBoot::writeJob() {
    const UpdateJob job{state_.MasterDir, state_.ProjectDir, state_.LastIpAddress, state_.UpdateOptionIndex,
                        state_.UpdateReadBack};
    try {
        Compile_XML_Parameter(job, state_.AppDir);
        return true;
    } catch (const FileError& error) {
        prompts().error(error.what());
        return false;
    }
}

// The updater runs in its own process; the configurator stays painted and shows the time waited,
// but takes no input until the updater ends or the limit is reached.
void TFBoot::runUpdater() {
    if (!platform_.processes) return;
    busy_ = true;
    UpdaterWaitDialog notice(this);
    Start_Program(*platform_.processes, state_.AppDir / kUpdaterProgramName, state_.AppDir, waitClock,
                  [&](std::chrono::milliseconds waited) {
                      notice.showWaited(waited);
                      waitClock.processEvents();
                  });
    busy_ = false;
}

} // namespace corvane
