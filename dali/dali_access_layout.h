#pragma once
// Geometry of the DALI access window, in pixels of its client area.

namespace corvane::dali_access_geometry {

inline constexpr int kClientWidth = 1200;
inline constexpr int kClientHeight = 496;
inline constexpr int kTitleHeight = 69;
inline constexpr int kButtonPanelHeight = 40;
inline constexpr int kButtonTop = kClientHeight - kButtonPanelHeight + 6;
inline constexpr int kButtonWidth = 110;
inline constexpr int kButtonHeight = 28;

// Left edges of the buttons: OK and Cancel always; the page's own buttons in the next slots.
inline constexpr int kOkLeft = 16;
inline constexpr int kCancelLeft = 134;
inline constexpr int kPageButtonLefts[4] = {252, 370, 488, 606};

} // namespace corvane::dali_access_geometry
