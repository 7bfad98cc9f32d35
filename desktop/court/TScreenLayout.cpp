#include "TScreenLayout.h"

#include "TScreenItems.h"

#include <QStringList>

namespace {

constexpr TColor Black = 0xff000000;
constexpr TColor White = 0xffffffff;
constexpr TColor Red = 0xffff0000;
constexpr TColor HeaderGrey = 0xff6b7280;
constexpr TColor PassiveCaption = 0xfffffbf1; // RGB 255, 251, 241
constexpr TColor ActiveAIColour = 0xffffb000;

TScreenItem &picture(TScreenItems &items, const QString &name, const QString &pictureName, int left, int top,
                     int width, int height, bool visible = true, bool clickable = false)
{
    TScreenItem item;
    item.Name = name;
    item.Kind = TScreenItem::Picture;
    item.PictureName = pictureName;
    item.Rect = QRect(left, top, width, height);
    item.Visible = visible;
    item.Clickable = clickable;
    return items.Add(item);
}

TScreenItem &label(TScreenItems &items, const QString &name, const QString &text, int left, int top,
                   int width, TScreenItem::Align align = TScreenItem::AlignLeft,
                   int height = TScreenLayout::RowHeight)
{
    TScreenItem item;
    item.Name = name;
    item.Kind = TScreenItem::Label;
    item.Text = text;
    item.Rect = QRect(left, top, width, height);
    item.Alignment = align;
    return items.Add(item);
}

struct Column
{
    const char *name;
    int homeLeft, awayLeft, width;
    TScreenItem::Align align;
};

// Row columns of the panels, left edges of home and away and the width.
const Column Columns[] = {
    {"MezSzam", 16, 718, 12, TScreenItem::AlignRight},
    {"JatekosNev", 36, 739, 92, TScreenItem::AlignLeft},
    // Points end three pixels short of their place, so they never run into a
    // three-digit percentage.
    {"P", 128, 831, 18, TScreenItem::AlignRight},
    {"D", 153, 856, 18, TScreenItem::AlignRight},
    {"L", 179, 882, 12, TScreenItem::AlignRight},
    {"A", 195, 899, 12, TScreenItem::AlignRight},
    {"F", 213, 916, 12, TScreenItem::AlignRight},
    {"IBM", 229, 932, 18, TScreenItem::AlignRight},
    {"Variable", 250, 954, 30, TScreenItem::AlignRight},
};

void eventButtons(TScreenItems &items)
{
    struct Button
    {
        const char *name;
        const char *pictureName;
        int left, top;
        bool away;
    };
    const Button buttons[] = {
        // Home: top row 176, bottom row 227.
        {"imgVedoHomeTeam", "GOMB1", 19, 176, false},
        {"imgLabdaszerzesHomeTeam", "GOMB2", 57, 176, false},
        {"imgKiharcCsapat1", "GOMB3", 95, 176, false},
        {"imgGolpCsapat1", "GOMB4", 133, 176, false},
        {"imgHibaCsapat1", "GOMB5", 171, 176, false},
        {"imgHomeAddTime", "ADDTIME", 210, 176, false},
        {"imgIndirectLabdaszerzesCsapat1", "RECOVER", 247, 176, false},
        {"imgTamadoHomeTeam", "GOMB6", 19, 227, false},
        {"imgLabdaeladasHomeTeam", "GOMB7", 58, 227, false},
        {"imgFoultCsapat1", "GOMB8", 95, 227, false},
        {"imgTechnikaiHibaCsapat1", "TECH", 133, 227, false},
        {"imgBlokkCsapat1", "GOMB9", 171, 227, false},
        {"imgIdoCsapat1", "GOMB10", 210, 227, false},
        {"imgSaveHomeTeam", "MENTES", 247, 227, false},
        // Away: top row 345, bottom row 396.
        {"imgVedoCsapat2", "GOMB1", 720, 345, true},
        {"imgLabdaszerzesAwayTeam", "GOMB2", 758, 345, true},
        {"imgKiharcCsapat2", "GOMB3", 796, 345, true},
        {"imgGolpCsapat2", "GOMB4", 834, 345, true},
        {"imgHibaCsapat2", "GOMB5", 872, 345, true},
        {"imgAwayAddTime", "ADDTIME", 910, 345, true},
        {"imgIndirectLabdaszerzesCsapat2", "RECOVER", 948, 345, true},
        {"imgTamCsapat2", "GOMB6", 720, 396, true},
        {"imgLabdaeladasAwayTeam", "GOMB7", 758, 396, true},
        {"imgFoultCsapat2", "GOMB8", 796, 396, true},
        {"imgTechnikaiHibaCsapat2", "TECH", 834, 396, true},
        {"imgBlokkCsapat2", "GOMB9", 872, 396, true},
        {"imgIdoCsapat2", "GOMB10", 910, 396, true},
        {"imgSaveAwayTeam", "MENTES", 948, 396, true},
    };
    for (const Button &b : buttons)
        picture(items, QString::fromLatin1(b.name), QString::fromLatin1(b.pictureName), b.left, b.top, 32, 47,
                true, b.away);
    // End of period, on the clock buttons, hidden until a period's time has run out.
    picture(items, QStringLiteral("imgFelidoVegeCsapat12"), QStringLiteral("GOMB11"), 210, 175, 32, 47,
            false);
    picture(items, QStringLiteral("imgFelidoVegeCsapat11"), QStringLiteral("GOMB11"), 210, 227, 32, 47,
            false);
    picture(items, QStringLiteral("imgFelidoVegeCsapat22"), QStringLiteral("GOMB11"), 910, 345, 32, 47, false,
            true);
    picture(items, QStringLiteral("imgFelidoVegeCsapat21"), QStringLiteral("GOMB11"), 910, 396, 32, 47, false,
            true);

    picture(items, QStringLiteral("imgBuntetoCsapat1"), QStringLiteral("BUNTETO"), 375, 475, 43, 9);
    picture(items, QStringLiteral("imgBuntetoCsapat2"), QStringLiteral("BUNTETO"), 578, 82, 43, 9);
    picture(items, QStringLiteral("imgIdokeresCsapat1"), QStringLiteral("TIMEOUT"), 572, 475, 43, 9);
    picture(items, QStringLiteral("imgIdokeresAwayTeam"), QStringLiteral("TIMEOUT"), 378, 82, 43, 9, true,
            true);
    picture(items, QStringLiteral("imgPrint"), QStringLiteral("PRINT"), 558, 501, 33, 53, true, true);
    picture(items, QStringLiteral("imgPrintAll"), QStringLiteral("PRINTALL"), 413, 502, 33, 53, true, true);
    picture(items, QStringLiteral("imgHomeTeamExit"), QStringLiteral("EXIT"), 320, 109, 23, 23);
    picture(items, QStringLiteral("imgAwayTeamExit"), QStringLiteral("EXIT"), 657, 109, 23, 23, true, true);
}

void panels(TScreenItems &items)
{
    for (int side = 1; side <= 2; ++side) {
        const bool away = side == 2;
        const QString word = away ? QStringLiteral("AwayTeam") : QStringLiteral("HomeTeam");
        // Column headers above the on-court block and the bench block.
        const QStringList captions = {QStringLiteral("M."), QStringLiteral("Játékos"), QStringLiteral("P."),
                                      QStringLiteral("D%"), QStringLiteral("L."),      QStringLiteral("A."),
                                      QStringLiteral("F."), QStringLiteral("IBM")};
        const int headerTops[] = {away ? 6 : 288, away ? 113 : 395};
        for (int block = 0; block < 2; ++block) {
            for (int c = 0; c < 8; ++c) {
                const Column &col = Columns[c];
                TScreenItem &h =
                    label(items, QStringLiteral("lbl%1Header%2_%3").arg(word).arg(block + 1).arg(c + 1),
                          captions[c], away ? col.awayLeft : col.homeLeft, headerTops[block],
                          c == 1 ? 90 : col.width + 6, c == 1 ? TScreenItem::AlignLeft : col.align);
                if (c == 0) {
                    // The jersey header starts at the panel's edge: "No." is
                    // wider than the numbers under it.
                    h.Rect = QRect(away ? 718 : 15, headerTops[block], 20, h.Rect.height());
                    h.Alignment = TScreenItem::AlignLeft;
                } else if (c != 1) {
                    h.Rect.translate(-6, 0);
                }
                h.Color = HeaderGrey;
                h.Bold = true;
                h.FontPixels = 10;
                h.Condensed = true;
            }
            const Column &var = Columns[8];
            TScreenItem &v = label(items, QStringLiteral("lblVariable%1%2").arg(word).arg(block + 1),
                                   QStringLiteral("Var"), (away ? var.awayLeft : var.homeLeft),
                                   headerTops[block], var.width, TScreenItem::AlignRight);
            v.Color = HeaderGrey;
            v.Bold = true;
            v.FontPixels = 10;
            v.Condensed = true;
            v.Clickable = away;
        }

        QList<int> rows = {1, 2, 3};
        for (int r = 6; r <= 15; ++r)
            rows.append(r);
        for (int row : rows) {
            for (const Column &col : Columns) {
                int width = col.width;
                if (away && row <= 3 && qstrcmp(col.name, "JatekosNev") == 0)
                    width = 82;
                TScreenItem &l = label(
                    items, TScreenLayout::RowLabel(side, QString::fromLatin1(col.name), row), QString(),
                    away ? col.awayLeft : col.homeLeft, TScreenLayout::RowTop(side, row), width, col.align);
                l.Clickable = away;
                l.Condensed = true;
                // A long name stops at the points column.
                l.Clip = qstrcmp(col.name, "JatekosNev") == 0;
            }
        }
        const char *teamColumns[] = {"P", "D", "L", "A", "F", "IBM"};
        for (int c = 0; c < 6; ++c) {
            const Column &col = Columns[c + 2];
            int left = away ? col.awayLeft : col.homeLeft;
            if (qstrcmp(teamColumns[c], "IBM") == 0)
                left += 4;
            TScreenItem &l =
                label(items, TScreenLayout::TeamRowLabel(side, QString::fromLatin1(teamColumns[c])),
                      QString(), left, TScreenLayout::TeamRowTop(side), col.width, col.align);
            l.Clickable = away;
            l.Bold = true;
            l.Condensed = true;
        }
        TScreenItem &team =
            label(items, QStringLiteral("lblCsapatAdatok%1").arg(side), QStringLiteral("Csapat"),
                  away ? 739 : 36, TScreenLayout::TeamRowTop(side), 80);
        team.Bold = true;
    }
}

void scoreClockAndFouls(TScreenItems &items)
{
    for (int side = 1; side <= 2; ++side) {
        const int top = side == 1 ? 8 : 32;
        TScreenItem &name = label(items, QStringLiteral("lblCsapatNev%1").arg(side), QString(), 341, top, 250,
                                  TScreenItem::AlignLeft, 18);
        name.Bold = true;
        name.FontPixels = 13;
        name.Fit = true;
        TScreenItem &score = label(items, QStringLiteral("lblCsapatEredmeny%1").arg(side), QString(), 500,
                                   top, 151, TScreenItem::AlignRight, 18);
        score.Bold = true;
        score.FontPixels = 13;
    }

    // Clock digits: every picture exists; the game shows the ones that apply.
    picture(items, QStringLiteral("imgTizesPerc10"), QStringLiteral("DIGIT1"), 466, 515, 14, 25, false);
    for (int d = 0; d <= 9; ++d)
        picture(items, QStringLiteral("imgPerc%1").arg(d, 2, 10, QLatin1Char('0')),
                QStringLiteral("DIGIT%1").arg(d), 483, 515, 14, 25, false);
    for (int d : {0, 1, 3, 4})
        picture(items, QStringLiteral("imgMPercTizes%1").arg(d), QStringLiteral("DIGIT%1").arg(d), 505, 515,
                14, 25, false);
    picture(items, QStringLiteral("imgMPerc00"), QStringLiteral("DIGIT0"), 522, 515, 14, 25, false);
    picture(items, QStringLiteral("imgMPerc05"), QStringLiteral("DIGIT5"), 522, 515, 14, 25, false);

    for (int q = 1; q <= 4; ++q)
        picture(items, QStringLiteral("imgQuarter%1").arg(q), QStringLiteral("NEGYED%1").arg(q), 482, 499, 39,
                11, false);
    picture(items, QStringLiteral("imgQuarterOverTime"), QStringLiteral("NEGYEDH"), 482, 499, 39, 11, false);

    for (int i = 1; i <= 5; ++i) {
        picture(items, QStringLiteral("imgHomeTeamFoul%1").arg(i), QStringLiteral("TEAMFOUL"),
                310 + 24 * (i - 1), 566, 18, 18, false, true);
        picture(items, QStringLiteral("imgAwayTeamFoul%1").arg(i), QStringLiteral("TEAMFOUL"),
                678 - 24 * (i - 1), 566, 18, 18, false, true);
    }

    // Defence modes.
    picture(items, QStringLiteral("imgHomeTeamDefenseMode"), QStringLiteral("DEFENSE"), 309, 500, 95, 56);
    picture(items, QStringLiteral("imgAwayTeamDefenseMode"), QStringLiteral("DEFENSE"), 599, 500, 95, 56);
    for (const auto &[word, left] :
         {std::pair{QStringLiteral("Home"), 314}, std::pair{QStringLiteral("Away"), 605}}) {
        TScreenItem &l = label(items, QStringLiteral("lbl%1TeamDefenseMode").arg(word), QString(), left, 532,
                               84, TScreenItem::AlignCentre);
        l.Color = White;
        l.Bold = true;
        l.Fit = true;
    }
}

void additionalTypesAndPassiveAI(TScreenItems &items)
{
    const QPoint homeLabels[] = {{32, 631}, {151, 631}, {32, 647}, {151, 647}, {32, 663}, {151, 663}};
    const QPoint homeBullets[] = {{14, 634}, {134, 634}, {14, 650}, {134, 650}, {14, 666}, {134, 666}};
    const QPoint awayLabels[] = {{774, 631}, {894, 631}, {774, 647}, {894, 647}, {774, 663}, {894, 663}};
    const QPoint awayBullets[] = {{756, 634}, {876, 634}, {756, 650}, {876, 650}, {756, 666}, {876, 666}};
    for (int i = 0; i < 6; ++i) {
        for (int side = 1; side <= 2; ++side) {
            const QString word = side == 1 ? QStringLiteral("HomeTeam") : QStringLiteral("AwayTeam");
            const QPoint l = side == 1 ? homeLabels[i] : awayLabels[i];
            const QPoint b = side == 1 ? homeBullets[i] : awayBullets[i];
            picture(items, QStringLiteral("img%1AdditionalType%2").arg(word).arg(i + 1),
                    QStringLiteral("BULLET"), b.x(), b.y(), 10, 10, false);
            TScreenItem &t = label(items, QStringLiteral("lbl%1AdditionalType%2").arg(word).arg(i + 1),
                                   QString(), l.x(), l.y(), 100, TScreenItem::AlignLeft, 14);
            t.Color = White;
            t.Visible = false;
            t.Fit = true;
        }
    }

    const char *captions[] = {"Steal/T.O.", "Foul/F. Foul", "Block/Block Ag."};
    const int lefts[] = {472, 465, 453};
    const int tops[] = {640, 656, 672};
    for (int i = 0; i < 3; ++i) {
        const int width = 2 * (500 - lefts[i]);
        TScreenItem &c =
            label(items, QStringLiteral("lblPassiveAI%1").arg(i + 1), QString::fromLatin1(captions[i]),
                  lefts[i], tops[i], width, TScreenItem::AlignCentre, 14);
        c.Color = PassiveCaption;
        c.Bold = true;
        c.Fit = true;
        for (int side = 1; side <= 2; ++side) {
            TScreenItem &f =
                label(items, QStringLiteral("lblPassiveAI%1%2").arg(i + 1).arg(side == 1 ? "Home" : "Away"),
                      QString(), side == 1 ? 352 : 592, tops[i], 64,
                      side == 1 ? TScreenItem::AlignLeft : TScreenItem::AlignRight, 14);
            f.Color = Red;
            f.Bold = true;
            f.Visible = false;
        }
    }
}

void courtLabels(TScreenItems &items)
{
    for (int side = 1; side <= 2; ++side) {
        const bool home = side == 1;
        TScreenItem &fb = label(items, QStringLiteral("lblFastBreak%1").arg(side), QStringLiteral("F.B."),
                                home ? 422 : 549, home ? 474 : 80, 24);
        TScreenItem &sc = label(items, QStringLiteral("lbl2ndChance%1").arg(side), QStringLiteral("2ndC"),
                                home ? 447 : 513, home ? 474 : 80, 32);
        for (TScreenItem *l : {&fb, &sc}) {
            l->Bold = true;
            l->FontPixels = 10;
            l->Fit = true;
            l->Clickable = !home;
        }
    }
    // Wide enough for the translated names; they follow the pointer.
    label(items, QStringLiteral("lblPontErtekHomeTeam"), QString(), 384, 290, 96);
    label(items, QStringLiteral("lblPontErtekAwayTeam"), QString(), 463, 270, 96, TScreenItem::AlignRight);
    for (TScreenItem *l : {items.Find(QStringLiteral("lblPontErtekHomeTeam")),
                           items.Find(QStringLiteral("lblPontErtekAwayTeam"))}) {
        l->Bold = true;
        l->Color = White;
    }

    TScreenItem &packets =
        label(items, QStringLiteral("lblPackets"), QString(), 272, 56, 241, TScreenItem::AlignCentre, 14);
    packets.Clickable = true;
    packets.FontPixels = 10;
    // Problems of the input devices, in the free band of the console under the team fouls.
    TScreenItem &status =
        label(items, QStringLiteral("lblStatus"), QString(), 300, 600, 400, TScreenItem::AlignCentre, 16);
    status.Color = 0xffffd166;
    status.Fit = true;

    // Why an input recorded nothing; over the court, where the operator looks.
    TScreenItem &notice =
        label(items, QStringLiteral("lblNotice"), QString(), 291, 300, 416, TScreenItem::AlignCentre, 24);
    notice.Color = White;
    notice.Background = 0xe0b91c1c;
    notice.Bold = true;
    notice.FontPixels = 13;
    notice.Fit = true;
    notice.Visible = false;

    const char *messages[][2] = {{"lblEsemenyTiltas", "Intermission"},
                                 {"lblHazaiCsapatJatekos", "Not on court"},
                                 {"lblSubst", "Substitution"}};
    for (const auto &m : messages) {
        TScreenItem &l = label(items, QString::fromLatin1(m[0]), QString::fromLatin1(m[1]), 395, 256, 210,
                               TScreenItem::AlignCentre, 36);
        l.Color = Red;
        l.Bold = true;
        l.FontPixels = 29;
        l.Visible = false;
    }
}

void histories(TScreenItems &items)
{
    picture(items, QStringLiteral("imgHomeHistory"), QStringLiteral("HISTORY"), 14, 2, 268, 165);
    picture(items, QStringLiteral("imgAwayHistory"), QStringLiteral("HISTORY"), 715, 452, 268, 165);
    for (int k = 1; k <= 9; ++k) {
        TScreenItem &home = label(items, QStringLiteral("lblHistoryViewCsapat1Label_%1").arg(k), QString(),
                                  22, 16 * k - 10, 236, TScreenItem::AlignLeft, 14);
        TScreenItem &away = label(items, QStringLiteral("lblHistoryViewCsapat2Label_%1").arg(k), QString(),
                                  723, 16 * k + 443, 236, TScreenItem::AlignLeft, 14);
        away.Clickable = true;
        for (TScreenItem *line : {&home, &away}) {
            line->Condensed = true;
            line->Clip = true;
        }
    }
    // Over the filter buttons: player 18 to 94 and event 96 to 170 across
    // the home box's foot, the same 702 to the right and 450 lower away.
    for (int side = 1; side <= 2; ++side) {
        for (const bool player : {true, false}) {
            const QRect r = QRect(player ? 18 : 96, 151, player ? 77 : 75, 14)
                                .translated(side == 1 ? QPoint(0, 0) : QPoint(702, 450));
            TScreenItem frame;
            frame.Name = TScreenLayout::HistoryFilterFrame(side, player);
            frame.Kind = TScreenItem::Frame;
            frame.Rect = r;
            frame.Color = 0xff7a3b00;
            frame.Fill = 0xffe89200;
            frame.Visible = false;
            items.Add(frame);
            TScreenItem &value =
                label(items, TScreenLayout::HistoryFilterLabel(side, player), QString(), r.left() + 3,
                      r.top(), r.width() - 6, TScreenItem::AlignCentre, r.height());
            value.Bold = true;
            value.FontPixels = 10;
            value.Fit = true;
            value.Condensed = true;
            value.Visible = false;
        }
    }
}

// The flags of the recorded game: a stripe before each flagged history line,
// a count per team beside its name on the scoreboard (a click goes to the
// team's next flag) and the reasons of the line gone to, over the court.
void flagItems(TScreenItems &items)
{
    for (int side = 1; side <= 2; ++side) {
        for (int k = 1; k <= 9; ++k) {
            TScreenItem mark;
            mark.Name = QStringLiteral("shFlagCsapat%1_%2").arg(side).arg(k);
            mark.Kind = TScreenItem::Frame;
            mark.Rect = QRect(side == 1 ? 16 : 717, (side == 1 ? 16 * k - 10 : 16 * k + 443) + 2, 4, 10);
            mark.Visible = false;
            items.Add(mark);
        }
        TScreenItem &count = label(items, QStringLiteral("lblFlagCountCsapat%1").arg(side), QString(), 290,
                                   side == 1 ? 8 : 32, 44, TScreenItem::AlignCentre, 18);
        count.Bold = true;
        count.FontPixels = 12;
        count.Fit = true;
        count.Clickable = true;
    }
    // The panel is wider than the text, which a long reason shrinks to fit.
    TScreenItem panel;
    panel.Name = QStringLiteral("shFlagReason");
    panel.Kind = TScreenItem::Frame;
    panel.Rect = QRect(289, 333, 420, 28);
    panel.Color = 0xffb07d00;
    panel.Fill = 0xf0ffd166;
    panel.Visible = false;
    items.Add(panel);
    TScreenItem &reason =
        label(items, QStringLiteral("lblFlagReason"), QString(), 298, 336, 402, TScreenItem::AlignCentre, 22);
    reason.Color = 0xff1f1300;
    reason.Bold = true;
    reason.FontPixels = 12;
    reason.Fit = true;
    reason.Visible = false;
}

void activeAIFrames(TScreenItems &items)
{
    const QPoint home[] = {{17, 174}, {55, 174}, {93, 174}, {169, 174},
                           {17, 225}, {56, 225}, {93, 225}, {169, 225}};
    const QPoint away[] = {{718, 343}, {756, 343}, {794, 343}, {870, 343},
                           {718, 394}, {756, 394}, {794, 394}, {870, 394}};
    const QStringList &names = TScreenLayout::ActiveAIFrames();
    for (int i = 0; i < names.size(); ++i) {
        for (int side = 1; side <= 2; ++side) {
            const QPoint p = side == 1 ? home[i] : away[i];
            TScreenItem frame;
            frame.Name = names[i] + QString::number(side);
            frame.Kind = TScreenItem::Frame;
            frame.Rect = QRect(p.x(), p.y(), 36, 51);
            frame.Color = ActiveAIColour;
            frame.Visible = false;
            items.Add(frame);
        }
    }
}

} // namespace

QString TScreenLayout::HistoryFilterFrame(int side, bool player)
{
    return QStringLiteral("frmHistory%1FilterCsapat%2").arg(player ? "Player" : "Event").arg(side);
}

QString TScreenLayout::HistoryFilterLabel(int side, bool player)
{
    return QStringLiteral("lblHistory%1FilterCsapat%2").arg(player ? "Player" : "Event").arg(side);
}

QString TScreenLayout::RowLabel(int side, const QString &column, int row)
{
    return QStringLiteral("lblCsapat%1%2_%3").arg(side).arg(column).arg(row);
}

QString TScreenLayout::TeamRowLabel(int side, const QString &column)
{
    return QStringLiteral("lblCsapat%1Csapat%2").arg(side).arg(column);
}

const QStringList &TScreenLayout::RowColumns()
{
    static const QStringList columns = {
        QStringLiteral("MezSzam"), QStringLiteral("JatekosNev"), QStringLiteral("P"),
        QStringLiteral("D"),       QStringLiteral("L"),          QStringLiteral("A"),
        QStringLiteral("F"),       QStringLiteral("IBM"),        QStringLiteral("Variable")};
    return columns;
}

const QStringList &TScreenLayout::TeamRowColumns()
{
    static const QStringList columns = {QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("L"),
                                        QStringLiteral("A"), QStringLiteral("F"), QStringLiteral("IBM")};
    return columns;
}

int TScreenLayout::RowTop(int side, int row)
{
    if (row <= 5)
        return side == 1 ? 288 + 18 * row : 5 + 18 * row;
    return side == 1 ? 307 + 18 * row : 23 + 18 * row;
}

int TScreenLayout::TeamRowTop(int side)
{
    return side == 1 ? 600 : 318;
}

const QStringList &TScreenLayout::ActiveAIFrames()
{
    static const QStringList names = {
        QStringLiteral("shActiveAIVedoCsapat"),      QStringLiteral("shActiveAISzerzettCsapat"),
        QStringLiteral("shActiveAIKiharcoltCsapat"), QStringLiteral("shActiveAIHibaCsapat"),
        QStringLiteral("shActiveAITamadoCsapat"),    QStringLiteral("shActiveAIEladottCsapat"),
        QStringLiteral("shActiveAIFoulCsapat"),      QStringLiteral("shActiveAIBlokkCsapat")};
    return names;
}

void TScreenLayout::Build(TScreenItems &items)
{
    picture(items, QStringLiteral("imgMain"), QStringLiteral("SCREEN"), 0, 0, 1000, 688);
    histories(items);
    picture(items, QStringLiteral("imgCourtVertical"), QStringLiteral("COURT_VERTICAL"), 287, 74, 423, 422);
    picture(items, QStringLiteral("imgCourtHorizontal"), QStringLiteral("COURT_HORIZONTAL"), 287, 74, 423,
            422, false);
    picture(items, QStringLiteral("imgMaskVertical"), QStringLiteral("MASK_VERTICAL"), 380, 107, 240, 359,
            false);
    picture(items, QStringLiteral("imgMaskHorizontal"), QStringLiteral("MASK_HORIZONTAL"), 320, 167, 359, 240,
            false);
    eventButtons(items);
    panels(items);
    scoreClockAndFouls(items);
    additionalTypesAndPassiveAI(items);
    courtLabels(items);
    flagItems(items);
    activeAIFrames(items);
    picture(items, QStringLiteral("imgSikeresDobasCsapat1"), QStringLiteral("MARKER_MADE"), 0, 0, 8, 8,
            false);
    picture(items, QStringLiteral("imgSikeresDobasCsapat2"), QStringLiteral("MARKER_MADE"), 0, 0, 8, 8,
            false);
    picture(items, QStringLiteral("imgSikertelenDobasCsapat1"), QStringLiteral("MARKER_MISSED"), 0, 0, 10, 10,
            false);
    picture(items, QStringLiteral("imgSikertelenDobasCsapat2"), QStringLiteral("MARKER_MISSED"), 0, 0, 10, 10,
            false);
    picture(items, QStringLiteral("imgMouseCursor1Template"), QStringLiteral("CURSOR"), 0, 0, 11, 19, false);
    picture(items, QStringLiteral("imgMouseCursor1"), QStringLiteral("CURSOR"), 500, 300, 12, 21, false);
    // The key help lies over everything while it is open.
    TScreenItem help;
    help.Name = QStringLiteral("pnlKeyHelp");
    help.Kind = TScreenItem::Overlay;
    help.Rect = QRect(170, 40, 660, 608);
    help.Visible = false;
    items.Add(help);
}
