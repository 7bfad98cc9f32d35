#include "TSplashPicture.h"

#include "desktop/masterdata/TProductPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QPixmap TSplashPicture::Paint(const QString &version)
{
    QPixmap pixmap(Width, Height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Parquet boards, as on the product picture of the dialogs.
    QLinearGradient wood(0, 0, Width, Height);
    wood.setColorAt(0, QColor(0x8a, 0x4b, 0x1c));
    wood.setColorAt(1, QColor(0xd9, 0x9a, 0x55));
    p.fillRect(pixmap.rect(), wood);
    p.setPen(QPen(QColor(0x6b, 0x38, 0x12, 90), 1));
    for (int y = 12; y < Height; y += 16)
        p.drawLine(0, y, Width, y);
    for (int x = 0; x < Width; x += 48)
        for (int y = 12; y < Height; y += 32)
            p.drawLine(x + (y / 16 % 2) * 24, y, x + (y / 16 % 2) * 24, y + 16);

    const qreal r = 110;
    const QPointF c(40 + r, Height / 2.0);
    TProductPicture::PaintBall(p, c, r, 2.4);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setBold(true);
    name.setPixelSize(72);
    p.setFont(name);
    p.setPen(Qt::white);
    const QRectF text(c.x() + r + 30, 60, Width - c.x() - r - 50, 120);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Parquetix"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(20);
    p.setFont(small);
    p.drawText(text.translated(0, 100), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Live basketball statistics\nVersion: ") + version);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(1, 1, -1, -1));
    return pixmap;
}
