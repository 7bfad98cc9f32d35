#pragma once

#include <QImage>
#include <QWidget>

class TChangeEventLogic;

// The change dialog's half-court picture: the top half of the court at
// (30, 19) and the shot marker the logic places. Clicks go to the logic.
class THalfCourtView : public QWidget
{
    Q_OBJECT

public:
    THalfCourtView(TChangeEventLogic &logic, QImage court, QWidget *parent = nullptr);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TChangeEventLogic &m_logic;
    QImage m_court;
};
