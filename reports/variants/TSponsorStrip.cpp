#include "TSponsorStrip.h"

#include <QImageReader>

namespace {
// Olive, the colour the sponsor pictures mark as transparent.
constexpr QRgb Olive = 0xFF808000;

QImage read(const QString &file)
{
    if (file.trimmed().isEmpty())
        return QImage();
    QImageReader reader(file);
    return reader.read();
}
} // namespace

QImage TSponsorStrip::Compose(const QString &background, const QString &sponsor, int strip)
{
    QImage cell = read(background);
    if (cell.isNull())
        return QImage();
    cell = cell.convertToFormat(QImage::Format_RGB32);
    const QImage picture = read(sponsor).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return cell;
    const int top = StripHeight * strip;
    const int width = std::min({MaxWidth, picture.width(), cell.width()});
    for (int row = 0; row < StripHeight && row < cell.height() && top + row < picture.height(); ++row) {
        const QRgb *from = reinterpret_cast<const QRgb *>(picture.constScanLine(top + row));
        QRgb *to = reinterpret_cast<QRgb *>(cell.scanLine(row));
        for (int x = 0; x < width; ++x)
            if ((from[x] | 0xFF000000) != Olive)
                to[x] = from[x];
    }
    return cell;
}
