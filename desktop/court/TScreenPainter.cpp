#include "TScreenPainter.h"

#include "TPictureLibrary.h"
#include "TScreenItems.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

TScreenPainter::TScreenPainter(const TPictureLibrary &library) : m_library(library) {}

double TScreenPainter::Scale(const QSizeF &area)
{
    return std::min(area.width() / FrameWidth, area.height() / FrameHeight);
}

QPointF TScreenPainter::Offset(const QSizeF &area)
{
    const double s = Scale(area);
    return QPointF((area.width() - FrameWidth * s) / 2, (area.height() - FrameHeight * s) / 2);
}

void TScreenPainter::Paint(QPainter &painter, const TScreenItems &items, const QSizeF &area)
{
    const double s = Scale(area);
    const QPointF origin = Offset(area);
    painter.fillRect(QRectF(QPointF(0, 0), area), QColor(0x10, 0x13, 0x18));
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const TScreenItem *item : items.PaintOrder()) {
        if (!item->Visible || item->Kind == TScreenItem::Unplaced)
            continue;
        const QRectF target(origin.x() + item->Rect.left() * s, origin.y() + item->Rect.top() * s,
                            item->Rect.width() * s, item->Rect.height() * s);
        painter.save();
        if (!item->Enabled)
            painter.setOpacity(0.4);
        switch (item->Kind) {
        case TScreenItem::Picture:
            paintPicture(painter, *item, target);
            break;
        case TScreenItem::Label:
            paintLabel(painter, *item, target, s);
            break;
        case TScreenItem::Frame:
            paintFrame(painter, *item, target, s);
            break;
        case TScreenItem::Overlay:
            paintOverlay(painter, *item, target, s);
            break;
        case TScreenItem::Unplaced:
            break;
        }
        painter.restore();
    }
}

void TScreenPainter::paintPicture(QPainter &painter, const TScreenItem &item, const QRectF &target)
{
    const QImage &image = m_library.Picture(item.PictureName);
    if (image.isNull()) {
        paintPlaceholder(painter, item, target);
        return;
    }
    // Whole device pixels, so neighbouring pictures meet without seams.
    const QRect device(QPoint(int(std::lround(target.left())), int(std::lround(target.top()))),
                       QPoint(int(std::lround(target.right())) - 1, int(std::lround(target.bottom())) - 1));
    if (device.isEmpty())
        return;
    const QString key =
        QStringLiteral("%1@%2x%3").arg(item.PictureName).arg(device.width()).arg(device.height());
    auto it = m_scaled.find(key);
    if (it == m_scaled.end()) {
        // A window resize leaves the old sizes behind.
        if (m_scaled.size() > 256)
            m_scaled.clear();
        const QImage scaled =
            image.size() == device.size()
                ? image
                : image.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        it = m_scaled.insert(key, QPixmap::fromImage(scaled));
    }
    painter.drawPixmap(device.topLeft(), *it);
}

void TScreenPainter::paintPlaceholder(QPainter &painter, const TScreenItem &item, const QRectF &target)
{
    if (item.Name == QLatin1String("imgMain")) {
        painter.fillRect(target, QColor(0x26, 0x2d, 0x37));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x9a, 0xa4, 0xb2), 1));
    painter.setBrush(QColor(0x3a, 0x43, 0x50));
    painter.drawRect(target.adjusted(0.5, 0.5, -0.5, -0.5));
}

void TScreenPainter::paintLabel(QPainter &painter, const TScreenItem &item, const QRectF &target,
                                double scale)
{
    if (item.Text.isEmpty())
        return;
    if (qAlpha(item.Background) != 0)
        painter.fillRect(target, QColor::fromRgba(item.Background));
    QFont font = LabelFont(item, scale);
    if (item.Fit) {
        const double advance = QFontMetricsF(font).horizontalAdvance(item.Text);
        if (advance > target.width() && advance > 0) {
            // Down to two thirds of the size; the rest is cut at the edges.
            const double fitted =
                std::max(font.pixelSize() * target.width() / advance, font.pixelSize() * 2.0 / 3);
            font.setPixelSize(std::max(1, int(std::floor(fitted))));
        }
    }
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(item.Color));
    Qt::Alignment align = Qt::AlignVCenter;
    switch (item.Alignment) {
    case TScreenItem::AlignLeft:
        align |= Qt::AlignLeft;
        break;
    case TScreenItem::AlignRight:
        align |= Qt::AlignRight;
        break;
    case TScreenItem::AlignCentre:
        align |= Qt::AlignHCenter;
        break;
    }
    const bool clip = item.Clip || item.Fit;
    if (clip)
        painter.setClipRect(target);
    painter.drawText(target, int(align) | (clip ? 0 : int(Qt::TextDontClip)) | Qt::TextSingleLine, item.Text);
}

void TScreenPainter::paintOverlay(QPainter &painter, const TScreenItem &item, const QRectF &target,
                                  double scale)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xff, 0xd1, 0x66), std::max(1.0, 2 * scale)));
    painter.setBrush(QColor(0x10, 0x13, 0x18, 250));
    painter.drawRoundedRect(target, 8 * scale, 8 * scale);

    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(std::max(1, int(std::lround(18 * scale))));
    painter.setFont(font);
    painter.setPen(Qt::white);
    const double margin = 20 * scale;
    const QRectF title(target.left() + margin, target.top() + 10 * scale, target.width() - 2 * margin,
                       28 * scale);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, item.Text);

    // The lines share the height left, at most 17 frame pixels each.
    const double top = title.bottom() + 8 * scale;
    const double step = item.Lines.isEmpty()
                            ? 0
                            : std::min(17 * scale, (target.bottom() - 10 * scale - top) / item.Lines.size());
    font.setPixelSize(std::max(1, int(std::lround(std::min(13 * scale, step * 0.8)))));
    const double keysWidth = 130 * scale;
    for (int i = 0; i < item.Lines.size(); ++i) {
        const QString keys = item.Lines[i].section(QLatin1Char('\t'), 0, 0);
        const QString text = item.Lines[i].section(QLatin1Char('\t'), 1);
        const QRectF row(target.left() + margin, top + i * step, target.width() - 2 * margin, step);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0xff, 0xd1, 0x66));
        painter.drawText(QRectF(row.left(), row.top(), keysWidth, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, keys);
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(row.left() + keysWidth, row.top(), row.width() - keysWidth, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

QFont TScreenPainter::LabelFont(const TScreenItem &item, double scale)
{
    QFont font;
    if (item.Condensed)
        font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    else
        font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, int(std::lround(item.FontPixels * scale))));
    font.setBold(item.Bold);
    return font;
}

QRectF TScreenPainter::TextSpan(const TScreenItem &item)
{
    const double width = QFontMetricsF(LabelFont(item, 1.0)).horizontalAdvance(item.Text);
    const QRectF r(item.Rect);
    switch (item.Alignment) {
    case TScreenItem::AlignRight:
        return QRectF(r.right() + 1 - width, r.top(), width, r.height());
    case TScreenItem::AlignCentre:
        return QRectF(r.center().x() - width / 2, r.top(), width, r.height());
    case TScreenItem::AlignLeft:
        break;
    }
    return QRectF(r.left(), r.top(), width, r.height());
}

void TScreenPainter::paintFrame(QPainter &painter, const TScreenItem &item, const QRectF &target,
                                double scale)
{
    const double width = std::max(1.5, 2.5 * scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(item.Color), width));
    if (item.Fill != 0)
        painter.setBrush(QColor::fromRgba(item.Fill));
    else
        painter.setBrush(Qt::NoBrush);
    const double inset = width / 2;
    painter.drawRoundedRect(target.adjusted(inset, inset, -inset, -inset), 3 * scale, 3 * scale);
}
