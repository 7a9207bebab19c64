// The program's icon and pictures as Qt images.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace qthost {

QIcon AppIcon();
// A picture resource drawn at the size its control has on this screen.
QPixmap Picture(int resource, QSize size);

}  // namespace qthost
