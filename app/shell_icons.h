#pragma once
// The pictures of the main window's three icon buttons, drawn at run time (no image files).
#include <QIcon>

namespace corvane {

QIcon informationIcon(); // a blue disc with an "i"
QIcon optionsIcon();     // a grey cog wheel
QIcon closeIcon();       // a red disc with a white cross

} // namespace corvane
