#include "TfrmPlayedTime.h"

#include "TframePercJavitas.h"

#include "model/TPlayer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

TfrmPlayedTime::TfrmPlayedTime(TGame &game, QWidget *parent) : QDialog(parent), m_logic(game)
{
    setObjectName(QStringLiteral("frmPlayedTime"));
    setWindowTitle(QStringLiteral("Set played time"));
    setFixedSize(668, 487);
    auto *title = new QLabel(QStringLiteral("Players min"), this);
    title->setGeometry(16, 8, 300, 24);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);

    QWidget *boxes[2] = {};
    for (int side : {1, 2}) {
        auto *area = new QScrollArea(this);
        area->setObjectName(side == 1 ? QStringLiteral("sbHazaiJavitas") : QStringLiteral("sbVendegJavitas"));
        area->setGeometry(side == 1 ? 16 : 345, 44, 305, 321);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto *inner = new QWidget;
        area->setWidget(inner);
        area->setWidgetResizable(false);
        boxes[side - 1] = inner;

        auto *label = new QLabel(side == 1 ? QStringLiteral("Home team total mins")
                                           : QStringLiteral("Away team total mins"),
                                 this);
        label->setGeometry(side == 1 ? 16 : 345, 376, 200, 24);
        auto *total = new QLineEdit(this);
        total->setObjectName(side == 1 ? QStringLiteral("edHazaiOsszes") : QStringLiteral("edVendegOsszes"));
        total->setReadOnly(true);
        total->setGeometry(side == 1 ? 221 : 550, 376, 100, 25);
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
        connect(frame, &TframePercJavitas::TextChanged, this, [this] { totals(); });
        m_frames.append(frame);
        heights[f.Side - 1] = std::max(heights[f.Side - 1], f.Top + 30);
    }
    for (int i : {0, 1})
        boxes[i]->resize(290, heights[i]);

    auto *okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("bbULEBOK"));
    okButton->setGeometry(452, 440, 96, 30);
    okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(556, 440, 96, 30);
    connect(okButton, &QPushButton::clicked, this, &TfrmPlayedTime::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    totals();
}

void TfrmPlayedTime::totals()
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

void TfrmPlayedTime::ok()
{
    totals();
    if (m_logic.Ok())
        accept();
}
