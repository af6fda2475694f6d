#pragma once
// Geometry of the communication settings window: the Ethernet box above the DALI box, each
// collapsible to its caption line, the buttons and the window following them.
// Positions are pixels in the client area (boxes) or inside their box (controls).

namespace corvane {

namespace par_gen_geometry {

inline constexpr int kClientWidth = 312;
inline constexpr int kBoxLeft = 8;
inline constexpr int kBoxWidth = 296;
inline constexpr int kEthernetTop = 70;
inline constexpr int kBoxGap = 6;
inline constexpr int kCollapsedHeight = 26; // the caption line only
inline constexpr int kBottomMargin = 15;    // below the last control of an expanded box
inline constexpr int kButtonsGap = 13;      // from the DALI box to the buttons
inline constexpr int kBelowBoxes = 54;      // from the DALI box to the client's bottom edge

// Ethernet box: four byte fields per row.
inline constexpr int kByteFieldLefts[4] = {16, 82, 148, 214};
inline constexpr int kDotLefts[3] = {77, 143, 209};
inline constexpr int kByteFieldWidth = 60;
inline constexpr int kFieldHeight = 21;
inline constexpr int kIpLabelTop = 24;
inline constexpr int kIpFieldTop = 43;
inline constexpr int kMaskLabelTop = 79;
inline constexpr int kMaskFieldTop = 98;
inline constexpr int kGatewayCheckTop = 134;
inline constexpr int kGatewayFieldTop = 154;
inline constexpr int kDotOffset = 3; // a dot label sits 3 pixels below its row's fields

// DALI box.
inline constexpr int kDaliLabelLeft = 16;
inline constexpr int kDaliFieldLeft = 148;
inline constexpr int kDaliFieldWidth = 126;
inline constexpr int kConsolePortTop = 21;
inline constexpr int kConsoleLabelTop = 24;
inline constexpr int kSwitchOffTop = 58;
inline constexpr int kTimeOutLabelTop = 92;
inline constexpr int kTimeOutFieldTop = 89;
inline constexpr int kDisableScanTop = 126;
inline constexpr int kEnableDali2Top = 160;
inline constexpr int kCheckHeight = 17;
inline constexpr int kDaliCheckWidth = 257;
inline constexpr int kGatewayCheckWidth = 256;

// Collapse and expand buttons, at the same place in each box's caption line.
inline constexpr int kToggleLeft = 280;
inline constexpr int kToggleTop = 10;
inline constexpr int kToggleSize = 11;

inline constexpr int kOkLeft = 71;
inline constexpr int kCancelLeft = 192;
inline constexpr int kButtonWidth = 112;
inline constexpr int kButtonHeight = 28;

inline constexpr int kEthernetExpandedHeight = kGatewayFieldTop + kFieldHeight + kBottomMargin; // 190
inline constexpr int kDaliExpandedHeight = kEnableDali2Top + kCheckHeight + kBottomMargin;      // 192

} // namespace par_gen_geometry

// Where the boxes, the buttons and the window's bottom edge go for one collapse state.
struct ParGenLayout {
    int ethernetHeight;
    int daliTop;
    int daliHeight;
    int buttonsTop;
    int clientHeight;
    bool operator==(const ParGenLayout&) const = default;
};

constexpr ParGenLayout parGenLayout(bool ethernetExpanded, bool daliExpanded) {
    using namespace par_gen_geometry;
    ParGenLayout layout{};
    layout.ethernetHeight = ethernetExpanded ? kEthernetExpandedHeight : kCollapsedHeight;
    layout.daliTop = kEthernetTop + layout.ethernetHeight + kBoxGap;
    layout.daliHeight = daliExpanded ? kDaliExpandedHeight : kCollapsedHeight;
    layout.buttonsTop = layout.daliTop + layout.daliHeight + kButtonsGap;
    layout.clientHeight = layout.daliTop + layout.daliHeight + kBelowBoxes;
    return layout;
}

} // namespace corvane
