#pragma once

#include <QLabel>

class QPainter;
class QVBoxLayout;

// The product picture along a dialog's left edge ("imgProduct").
class TProductPicture : public QLabel
{
public:
    explicit TProductPicture(QWidget *parent = nullptr);

    static QPixmap Picture(QSize size);
    // The orange ball with its seams, black lines of that width; the splash
    // window draws it too.
    static void PaintBall(QPainter &p, QPointF c, qreal r, qreal penWidth);
    // Lays the dialog out as the picture on the left and a padded column
    // beside it, which is returned for the dialog's own content.
    static QVBoxLayout *BesidePicture(QWidget *dialog);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
