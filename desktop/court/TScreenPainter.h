#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;
class TPictureLibrary;
class TScreenItems;
struct TScreenItem;

// Paints the court screen's items into any rectangle of any paint device:
// the frame is scaled uniformly to fit and centred, pictures are drawn from
// the library (a plain rectangle where a picture is missing) and texts are
// laid out at the scaled size, so they stay sharp on large monitors.
class TScreenPainter
{
public:
    static constexpr int FrameWidth = 1000;
    static constexpr int FrameHeight = 688;

    explicit TScreenPainter(const TPictureLibrary &library);

    // The scale and the top-left corner of the frame inside an area.
    static double Scale(const QSizeF &area);
    static QPointF Offset(const QSizeF &area);

    void Paint(QPainter &painter, const TScreenItems &items, const QSizeF &area);
    // The type a label's text is set in at a scale, and where on the frame its
    // text runs from and to (frame pixels) once aligned in the label.
    static QFont LabelFont(const TScreenItem &item, double scale);
    static QRectF TextSpan(const TScreenItem &item);

private:
    void paintPicture(QPainter &painter, const TScreenItem &item, const QRectF &target);
    void paintLabel(QPainter &painter, const TScreenItem &item, const QRectF &target, double scale);
    void paintFrame(QPainter &painter, const TScreenItem &item, const QRectF &target, double scale);
    void paintOverlay(QPainter &painter, const TScreenItem &item, const QRectF &target, double scale);
    void paintPlaceholder(QPainter &painter, const TScreenItem &item, const QRectF &target);

    const TPictureLibrary &m_library;
    // Pictures scaled to the size they were last painted at.
    QHash<QString, QPixmap> m_scaled;
};
