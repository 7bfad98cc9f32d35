#include "ScreenPainter.h"

#include "Captions.h"
#include "ScoreboardPainter.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

void card(QPainter &p, const QRectF &rect, const QColor &fill, const QColor &edge, qreal radius = 5)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

// A strip of team colour along the top edge of a card.
void accent(QPainter &p, const QRectF &rect, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRectF(rect.left(), rect.top(), rect.width(), 4));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(rect, 5, 5);
    p.restore();
}

// Row positions of one team panel, as tops of the row labels.
struct PanelLayout
{
    QRect card;
    QColor colour;
    int onCourtHeader, onCourtFirst, benchHeader, benchFirst, teamRow;
    int nameRule, variableRule;
};

void panel(QPainter &p, const PanelLayout &l)
{
    card(p, l.card, Style::Paper, QColor(0x0E, 0x12, 0x17));
    accent(p, l.card, l.colour);
    const int left = l.card.left() + 1, width = l.card.width() - 2;
    auto band = [&](int labelTop, const QColor &c) { p.fillRect(QRect(left, labelTop - 2, width, 18), c); };
    band(l.onCourtHeader, Style::PaperHeader);
    band(l.benchHeader, Style::PaperHeader);
    for (int row = 0; row < 3; ++row) {
        if (row % 2 == 1)
            band(l.onCourtFirst + 18 * row, Style::PaperStripe);
    }
    for (int row = 0; row < 10; ++row) {
        if (row % 2 == 1)
            band(l.benchFirst + 18 * row, Style::PaperStripe);
    }
    // The team row, set apart by a rule.
    p.fillRect(QRect(left, l.teamRow - 3, width, 19), Style::PaperHeader);
    p.fillRect(QRect(left, l.teamRow - 4, width, 1), Style::InkSoft);
    // The three places below the players on court hold nothing.
    p.fillRect(QRect(left + 6, l.onCourtFirst + 3 * 18 + 17, width - 12, 1), Style::PaperRule);
    for (int x : {l.nameRule, l.variableRule}) {
        p.fillRect(QRect(x, l.onCourtHeader - 2, 1, l.teamRow + 16 - l.onCourtHeader), QColor(0, 0, 0, 28));
    }
}

} // namespace

QImage ScreenPainter::screen(const QString &language)
{
    QImage image(1000, 688, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient base(0, 0, 0, 688);
    base.setColorAt(0, Style::Base);
    base.setColorAt(1, Style::BaseDeep);
    p.fillRect(image.rect(), base);
    const QColor edge(0x0E, 0x12, 0x17);

    // Scoreboard: team names left, points right, home above away.
    const QRect board(333, 3, 328, 51);
    card(p, board, Style::Paper, edge);
    p.fillRect(QRect(598, 4, 62, 49), Style::PaperHeader);
    p.fillRect(QRect(334, 28, 326, 1), Style::PaperRule);
    p.fillRect(QRect(336, 7, 3, 19), Style::HomeAccent);
    p.fillRect(QRect(336, 31, 3, 19), Style::AwayAccent);
    // Under the sender's packet counter.
    card(p, QRectF(297.5, 55, 190, 16), Style::PaperHeader, edge, 7);

    // Event buttons.
    card(p, QRect(13, 170, 272, 110), Style::Tray, Style::HomeAccent);
    card(p, QRect(714, 339, 272, 110), Style::Tray, Style::AwayAccent);

    // Team panels.
    panel(p, {QRect(11, 282, 275, 337), Style::HomeAccent, 288, 306, 395, 415, 600, 130, 248});
    panel(p, {QRect(714, 1, 276, 336), Style::AwayAccent, 6, 23, 113, 131, 318, 832, 951});

    // Wells for the white additional type captions and their bullets.
    card(p, QRect(8, 626, 249, 56), Style::Well, edge);
    card(p, QRect(750, 626, 247, 56), Style::Well, edge);

    // Console under the court: defence modes, clock, period, team fouls,
    // print buttons and the passive comparison lines.
    card(p, QRect(292, 499, 416, 187), Style::Tray, Style::TrayEdge, 6);
    card(p, QRect(459, 497, 83, 46), Style::LedBack, edge, 4);
    for (int left : {466, 483, 505, 522})
        ScoreboardPainter::paintDigit(p, QPointF(left, 515), -1);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Style::LedLit);
    p.drawEllipse(QPointF(500.5, 522.5), 1.5, 1.5);
    p.drawEllipse(QPointF(500.5, 531.5), 1.5, 1.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 5; ++i) {
        ScoreboardPainter::paintLamp(p, QPointF(310 + 24 * i, 566), false);
        ScoreboardPainter::paintLamp(p, QPointF(678 - 24 * i, 566), false);
    }
    Style::drawFitted(p, QRectF(428, 566, 150, 18), Captions::text("TeamFouls", language), Style::DimText, 11,
                      7);
    card(p, QRect(340, 636, 324, 49), Style::Well, edge);
    p.fillRect(QRect(341, 637, 3, 47), Style::HomeAccent);
    p.fillRect(QRect(660, 637, 3, 47), Style::AwayAccent);
    p.fillRect(QRect(346, 654, 312, 1), QColor(255, 255, 255, 22));
    p.fillRect(QRect(346, 670, 312, 1), QColor(255, 255, 255, 22));
    return image;
}

QImage ScreenPainter::history(const QString &language)
{
    QImage image(268, 165, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QColor edge(0x0E, 0x12, 0x17);
    card(p, QRect(0, 0, 268, 165), Style::Tray, edge);
    // The nine lines: paper under the black text.
    card(p, QRect(3, 1, 245, 147), Style::Paper, Style::PaperRule, 3);

    const QColor capTop(0xFB, 0xFA, 0xF6), capBottom(0xE0, 0xDC, 0xD0);
    // Scroll buttons, on both teams' hot regions: page up, line up, line down,
    // page down.
    const QRect scroll[] = {{251, 2, 15, 14}, {251, 17, 15, 14}, {251, 134, 15, 14}, {251, 149, 15, 14}};
    p.fillRect(QRect(256, 33, 5, 99), Style::Well);
    for (int i = 0; i < 4; ++i) {
        Style::keyCap(p, scroll[i], 2.5, capTop, capBottom, edge);
        const QPointF c = QRectF(scroll[i]).center();
        const double up = i < 2 ? -1 : 1;
        const bool page = i == 0 || i == 3;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Style::Ink);
        for (int k = 0; k < (page ? 2 : 1); ++k) {
            const double y = c.y() + (page ? (k == 0 ? -2.2 : 2.2) * -up : 0);
            p.drawPolygon(QPolygonF({QPointF(c.x(), y + 3.0 * up), QPointF(c.x() - 4, y - 2.2 * up),
                                     QPointF(c.x() + 4, y - 2.2 * up)}));
        }
        p.restore();
    }

    struct Button
    {
        QRect rect;
        const char *caption;
        bool danger;
    };
    const Button buttons[] = {{{5, 149, 76, 14}, "HistoryPlayer", false},
                              {{83, 149, 74, 14}, "HistoryEvent", false},
                              {{159, 149, 39, 14}, "HistoryGoTo", false},
                              {{200, 149, 49, 14}, "HistoryDelete", true}};
    for (const Button &b : buttons) {
        if (b.danger)
            Style::keyCap(p, b.rect, 3, Style::Loss.lighter(115), Style::Loss.darker(110), edge);
        else
            Style::keyCap(p, b.rect, 3, capTop, capBottom, edge);
        Style::drawFitted(p, QRectF(b.rect).adjusted(2, 0, -2, 0), Captions::text(b.caption, language),
                          b.danger ? Qt::white : Style::Ink, 9, 6);
    }
    return image;
}
