#include "platform/qt/capture.h"

#include <QImage>
#include <QPixmap>

#include "platform/codecs/bmp_writer.h"
#include "platform/pixels/area_scaler.h"

namespace marevisk {

std::string CaptureWindow(QWidget* window, int width, int height) {
    if (!window) return {};
    QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) return {};
    Image image(shot.width(), shot.height());
    for (int y = 0; y < shot.height(); ++y) {
        const auto* src = reinterpret_cast<const Argb*>(shot.constScanLine(y));
        std::copy_n(src, shot.width(), image.row(y));
    }
    return EncodeBmp24(ScaleArea(image, width, height));
}

}  // namespace marevisk
