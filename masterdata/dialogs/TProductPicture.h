#pragma once

#include <QLabel>

class QVBoxLayout;

// The product picture along a dialog's left edge ("imgProduct").
class TProductPicture : public QLabel
{
public:
    explicit TProductPicture(QWidget *parent = nullptr);

    static QPixmap Picture(QSize size);
    // Lays the dialog out as the picture on the left and a padded column
    // beside it, which is returned for the dialog's own content.
    static QVBoxLayout *BesidePicture(QWidget *dialog);

protected:
    void resizeEvent(QResizeEvent *event) override;
};
