#pragma once
// The main window's buttons and step labels: name, place, size and catalogue texts, declared once.
#include <array>

namespace corvane {

inline constexpr int kNoText = -1;

struct ButtonPlace {
    const char* name;
    int left, top, width, height;
    int captionText; // catalogue index, kNoText for none
    int hintText;
    bool visible;
};

// Step buttons, visible in this product, then the hidden buttons of the sibling models' editors.
inline constexpr std::array<ButtonPlace, 19> kMainButtons = {{
    {"Btn_New", 80, 112, 170, 36, 15, 22, true},
    {"Btn_Open", 258, 112, 170, 36, 16, 23, true},
    {"Btn_Prm_Gen", 80, 156, 170, 36, 20, 24, true},
    {"Btn_DALI_Access", 80, 200, 170, 36, 21, 25, true},
    {"Btn_CreateBin", 80, 244, 170, 36, 17, 26, true},
    {"Btn_PROFINET_XML", 258, 156, 170, 36, 27, 28, false},
    {"Btn_ModM_SetAccess", 258, 156, 170, 36, 29, 30, false},
    {"Btn_DMX_Default", 258, 156, 170, 36, 31, 32, false},
    {"Btn_Set_BACnet_Access", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_SNMP_Trap", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_SNMP_MIB", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_J1939_Rec_Frame", 258, 156, 170, 36, 33, 34, false},
    {"Btn_J1939_Send_Frame", 258, 156, 170, 36, 35, 36, false},
    {"Btn_SDO_Server_CANopen", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_SDO_Client_CANopen", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_PDO_CANopen", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_CANopen_EDS", 258, 156, 170, 36, kNoText, kNoText, false},
    {"Btn_KNX_Access", 258, 156, 170, 36, 37, 38, false},
    {"Btn_SNMP_Manager_Access", 258, 156, 170, 36, 39, 40, false},
}};

// The three icon buttons of the top right corner; only hints.
inline constexpr std::array<ButtonPlace, 3> kIconButtons = {{
    {"Btn_Info", 516, 8, 50, 50, kNoText, 12, true},
    {"Btn_Opz", 574, 8, 50, 50, kNoText, 13, true},
    {"Btn_Close", 632, 8, 50, 50, kNoText, 14, true},
}};

struct LabelPlace {
    const char* name;
    int left, top;
    int text;
    bool visible;
};

// "Begin" and the eight step labels; this product uses four steps.
inline constexpr std::array<LabelPlace, 9> kStepLabels = {{
    {"L_Begin", 16, 84, 0, true},
    {"L_Step_1", 16, 128, 1, true},
    {"L_Step_2", 16, 172, 2, true},
    {"L_Step_3", 16, 216, 3, true},
    {"L_Step_4", 16, 260, 4, true},
    {"L_Step_5", 16, 304, 5, false},
    {"L_Step_6", 16, 348, 6, false},
    {"L_Step_7", 16, 392, 7, false},
    {"L_Step_8", 16, 436, 8, false},
}};

inline constexpr int kMainClientWidth = 694;
inline constexpr int kMainClientHeight = 244 + 152; // the top of Btn_CreateBin plus 152

// The configuration labels' catalogue texts.
inline constexpr int kTextNoConfiguration = 9;
inline constexpr int kTextUseStep1 = 10;
inline constexpr int kTextOpenedConfiguration = 11;
inline constexpr int kTextProjectNotValid = 18;
inline constexpr int kTextNewVersion = 19;

// The update check: first one minute after it is switched on, then every two hours.
inline constexpr int kFirstCheckMs = 60000;
inline constexpr int kLaterChecksMs = 7200000;

} // namespace corvane
