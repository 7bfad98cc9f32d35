#include "TPlayedTimePanel.h"

#include "TframePercJavitas.h"
#include "workflow/gamedata/TPlayedTimeLogic.h"

#include "model/game/TPlayer.h"

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
        auto *expected = new QLabel(this);
        expected->setObjectName(side == 1 ? QStringLiteral("lblHazaiElvart")
                                          : QStringLiteral("lblVendegElvart"));
        expected->setGeometry(left, layout.TotalsTop + 27, 305, 20);
        expected->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_expected[side - 1] = expected;
    }
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lblIdoHiba"));
    m_hint->setGeometry(0, layout.TotalsTop + 48, layout.AwayLeft + 305, 20);
    m_hint->setStyleSheet(QStringLiteral("color: #b00000;"));
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
    // The messages beside the totals come once the captions are translated:
    // translated again, they would enter the translate table as new texts.
    updateTotals(false);
}

void TPlayedTimePanel::UpdateTotals()
{
    updateTotals(true);
}

void TPlayedTimePanel::updateTotals(bool messages)
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
        const bool right = m_logic.TotalRight(side) || !messages;
        m_expected[side - 1]->setText(right ? QString()
                                            : m_logic.Translate(QStringLiteral("Should be %1"))
                                                  .arg(TPercJavitas::TextOf(m_logic.ExpectedTotal())));
    }
    m_hint->clear();
    for (const TframePercJavitas *frame : m_frames)
        if (messages && !frame->IsValid()) {
            m_hint->setText(
                m_logic
                    .Translate(QStringLiteral(
                        "\"%1\" is no playing time: type minutes and seconds (MM:SS) in 15-second steps."))
                    .arg(frame->Text()));
            break;
        }
}

bool TPlayedTimePanel::CheckInput()
{
    UpdateTotals();
    for (TframePercJavitas *frame : m_frames)
        if (!frame->IsValid()) {
            frame->Edit()->setFocus();
            frame->Edit()->selectAll();
            return false;
        }
    return true;
}
