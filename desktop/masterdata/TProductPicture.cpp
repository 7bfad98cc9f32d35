#include "TProductPicture.h"

#include <QBoxLayout>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TProductPicture::TProductPicture(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("imgProduct"));
    setFixedWidth(96);
    setMinimumHeight(280);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void TProductPicture::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    setPixmap(Picture(size()));
}

void TProductPicture::PaintBall(QPainter &p, QPointF c, qreal r, qreal penWidth)
{
    p.setPen(QPen(Qt::black, penWidth));
    p.setBrush(QColor(0xe8, 0x6a, 0x10));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawArc(QRectF(c.x() - 1.6 * r, c.y() - r, 1.2 * r, 2 * r), -60 * 16, 120 * 16);
    p.drawArc(QRectF(c.x() + 0.4 * r, c.y() - r, 1.2 * r, 2 * r), 120 * 16, 120 * 16);
}

QPixmap TProductPicture::Picture(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Parquet boards, dark to light.
    QLinearGradient wood(0, 0, size.width(), size.height());
    wood.setColorAt(0, QColor(0x8a, 0x4b, 0x1c));
    wood.setColorAt(1, QColor(0xd9, 0x9a, 0x55));
    p.fillRect(pixmap.rect(), wood);
    p.setPen(QPen(QColor(0x6b, 0x38, 0x12, 90), 1));
    for (int x = 12; x < size.width(); x += 16)
        p.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 48)
        for (int x = 12; x < size.width(); x += 32)
            p.drawLine(x, y + (x / 16 % 2) * 24, x + 16, y + (x / 16 % 2) * 24);

    // A ball near the top.
    const qreal r = size.width() * 0.32;
    const QPointF c(size.width() / 2.0, r + 14);
    PaintBall(p, c, r, 1.6);

    // The product name, read from the bottom up.
    p.save();
    p.translate(size.width() / 2.0 + 10, size.height() - 12);
    p.rotate(-90);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(14, size.width() / 3));
    // Small enough to stay below the ball.
    const qreal room = size.height() - 2 * r - 40;
    const qreal wide = QFontMetricsF(font).horizontalAdvance(QStringLiteral("Parquetix"));
    if (wide > room && room > 0)
        font.setPixelSize(std::max(8, int(font.pixelSize() * room / wide)));
    p.setFont(font);
    p.setPen(QColor(255, 248, 230));
    p.drawText(QPointF(0, 0), QStringLiteral("Parquetix"));
    p.restore();
    return pixmap;
}

QVBoxLayout *TProductPicture::BesidePicture(QWidget *dialog)
{
    auto *outer = new QHBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new TProductPicture(dialog));
    auto *right = new QVBoxLayout;
    right->setContentsMargins(12, 12, 12, 12);
    outer->addLayout(right, 1);
    return right;
}
