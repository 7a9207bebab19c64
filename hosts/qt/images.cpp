#include "hosts/qt/images.h"

#include <QGuiApplication>
#include <QImage>

#include "res/art.h"
#include "res/resource.h"

namespace qthost {

namespace {
QImage ToImage(const res::Image& image) {
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.argb.data() + static_cast<std::size_t>(y) * image.width, image.width,
                    reinterpret_cast<std::uint32_t*>(out.scanLine(y)));
    }
    return out;
}
}  // namespace

QIcon AppIcon() {
    // Built afresh rather than kept in a static: a pixmap must not outlive
    // the application object, and statics are destroyed after it.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(ToImage(res::RenderIcon(size))));
    }
    return icon;
}

QPixmap Picture(int resource, QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const int width = static_cast<int>(size.width() * ratio);
    const int height = static_cast<int>(size.height() * ratio);
    QPixmap pixmap = QPixmap::fromImage(ToImage(resource == IDB_OPTIONS_PICTURE
                                                    ? res::RenderOptionsPicture(width, height)
                                                    : res::RenderPicture(width, height)));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace qthost
