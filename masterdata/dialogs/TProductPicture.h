#pragma once

#include <QLabel>

// The product picture along a dialog's left edge ("imgProduct").
class TProductPicture : public QLabel
{
public:
    explicit TProductPicture(QWidget *parent = nullptr);

    static QPixmap Picture(QSize size);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
