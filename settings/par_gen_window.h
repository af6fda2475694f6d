#pragma once
// "Set Communication": edits ParGen.xml of the active configuration, the gateway's Ethernet
// address, mask and optional default gateway in one box and its DALI options in another. Each box
// collapses to its caption line; the collapse state lasts as long as the window object (the run).
#include "common/corvane_dialog.h"
#include "settings/par_gen_file.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace corvane {

class TFParGen : public CorvaneDialog {
    Q_OBJECT
public:
    TFParGen(AppState& state, Platform& platform, QWidget* parent = nullptr);

    void Set_Lang() override;

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One collapsible box with its two caption-line buttons and the controls a collapse hides.
    struct Box {
        QGroupBox* group = nullptr;
        QToolButton* collapse = nullptr;
        QToolButton* expand = nullptr;
        std::vector<QWidget*> captionLineControls;
        bool visible = true; // expanded
    };

    void buildEthernetBox();
    void buildDaliBox();
    void buildButtons();
    void setTabOrder();
    void Collapse_Expand_Creation();
    void Move_GroupBoxs();
    void Btn_GB_Collapse(Box& box);
    void Btn_GB_Expande(Box& box);
    void setBoxControlsFocusable(Box& box, bool focusable);

    void FormShow();
    bool Controllo_Dati();
    void Btn_OKClick();
    void Btn_CancelClick();
    void On_Change() { Is_Change = true; }

    ParGenValues values() const;
    void showValues(const ParGenValues& values);
    // The next of the twelve address fields after `field`, or nullptr after the last one.
    QLineEdit* nextAddressField(const QObject* field) const;

    QLineEdit* edit(ParGenKey key) const;
    QCheckBox* check(ParGenKey key) const;

    Box GB_Modbus_TCP_Slave_;
    Box GB_DALI_;
    std::array<QWidget*, kParGenKeyCount> fields_{};
    std::array<QLineEdit*, 12> addressFields_{};

    QLabel* L_ModTCPs_IP = nullptr;
    QLabel* L_ModTCPs_SM = nullptr;
    QLabel* L_ModTCPs_Port = nullptr;
    QLineEdit* E_PORT = nullptr;
    QLabel* L_DALI_Console_Port = nullptr;
    QLabel* L_DALI_TimeOut = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;

    bool Is_Change = false;
};

} // namespace corvane
