#pragma once
// The product picture of the About box, drawn at run time: the gateway's front with its ports.
#include <QPixmap>

namespace corvane {

QPixmap productPicture(int size);

} // namespace corvane
