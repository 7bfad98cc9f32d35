#include "TPlayedTimePanel.h"

#include "TPlayedTimeLogic.h"
#include "TframePercJavitas.h"

#include "model/TPlayer.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

TPlayedTimePanel::TPlayedTimePanel(TPlayedTimeLogic &logic, const TLayout &layout, QWidget *parent)
    : QWidget(parent), m_logic(logic)
{
    QWidget *boxes[2] = {};
    for (int side : {1, 2}) {
        const int left = side == 1 ? 0 : layout.AwayLeft;
        auto *area = new QScrollArea(this);
        area->setObjectName(side == 1 ? QStringLiteral("sbHazaiJavitas") : QStringLiteral("sbVendegJavitas"));
        area->setGeometry(left, 0, 305, layout.BoxHeight);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto *inner = new QWidget;
        area->setWidget(inner);
        boxes[side - 1] = inner;
        auto *label = new QLabel(side == 1 ? QStringLiteral("Home team total mins")
                                           : QStringLiteral("Away team total mins"),
                                 this);
        label->setGeometry(left, layout.TotalsTop, 200, 24);
        auto *total = new QLineEdit(this);
        total->setObjectName(side == 1 ? QStringLiteral("edHazaiOsszes") : QStringLiteral("edVendegOsszes"));
        total->setReadOnly(true);
        total->setGeometry(left + 205, layout.TotalsTop, 100, 25);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_totals[side - 1] = total;
    }
    int heights[2] = {0, 0};
    for (const TPlayedTimeLogic::TFrame &f : m_logic.Frames()) {
        auto *frame = new TframePercJavitas(boxes[f.Side - 1]);
        frame->setObjectName(f.Name);
        frame->move(0, f.Top);
        frame->SetPlayerName(f.Player->JatekosNev);
        frame->SetValue(f.Time.Value());
        connect(frame, &TframePercJavitas::TextChanged, this, [this] { UpdateTotals(); });
        m_frames.append(frame);
        heights[f.Side - 1] = std::max(heights[f.Side - 1], f.Top + 30);
    }
    for (int i : {0, 1})
        boxes[i]->resize(290, heights[i]);
    UpdateTotals();
}

void TPlayedTimePanel::UpdateTotals()
{
    QList<TPlayedTimeLogic::TFrame> &frames = m_logic.Frames();
    for (qsizetype i = 0; i < frames.size(); ++i)
        frames[i].Time.SetValue(m_frames[i]->Value());
    for (int side : {1, 2}) {
        QLineEdit *total = m_totals[side - 1];
        total->setText(m_logic.TotalText(side));
        QPalette palette = total->palette();
        palette.setColor(QPalette::Base, m_logic.TotalRight(side) ? Qt::white : Qt::yellow);
        palette.setColor(QPalette::Text, Qt::black);
        total->setPalette(palette);
    }
}
