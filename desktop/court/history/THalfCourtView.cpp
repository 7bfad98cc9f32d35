#include "THalfCourtView.h"

#include "workflow/history/TChangeEventLogic.h"

#include <QMouseEvent>
#include <QPainter>

THalfCourtView::THalfCourtView(TChangeEventLogic &logic, QImage court, QWidget *parent)
    : QWidget(parent), m_logic(logic), m_court(std::move(court))
{
    setObjectName(QStringLiteral("imgPalya"));
    setFixedSize(TChangeEventLogic::CourtOffset.x() + TChangeEventLogic::CourtWidth + 30,
                 TChangeEventLogic::CourtOffset.y() + TChangeEventLogic::CourtHeight + 19);
    setCursor(Qt::CrossCursor);
}

void THalfCourtView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xf4, 0xe4, 0xc4));
    const QRect court(TChangeEventLogic::CourtOffset,
                      QSize(TChangeEventLogic::CourtWidth, TChangeEventLogic::CourtHeight));
    if (!m_court.isNull())
        painter.drawImage(court, m_court, QRect(QPoint(0, 0), court.size()));
    else
        painter.drawRect(court);
    if (m_logic.MarkerVisible()) {
        const QRect r = m_logic.MarkerRect();
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_logic.MarkerMade()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 128, 0));
            painter.drawEllipse(r);
        } else {
            painter.setPen(QPen(QColor(200, 0, 0), 2));
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomLeft());
        }
    }
}

void THalfCourtView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    m_logic.ClickPicture(event->position().toPoint(), event->button() == Qt::LeftButton);
    update();
    emit Clicked();
}
