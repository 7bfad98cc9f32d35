#pragma once

#include <QString>

class TScreenItems;

// Places every component of the court screen on the 1000 x 688 frame: the
// pictures of the library, the event buttons, the team panels, histories,
// clock, period, team fouls, defence modes, additional types, passive AI
// labels, Active AI frames, markers and the messages of the centre court.
class TScreenLayout
{
public:
    static void Build(TScreenItems &items);

    // Panel label names: prefix "lblCsapat1" / "lblCsapat2", column as in the
    // names ("MezSzam", "JatekosNev", "P", ...), row 1 to 3 or 6 to 15.
    static QString RowLabel(int side, const QString &column, int row);
    static QString TeamRowLabel(int side, const QString &column);
    static const QStringList &RowColumns();
    static const QStringList &TeamRowColumns();
    // Top of a panel row's labels.
    static int RowTop(int side, int row);
    static int TeamRowTop(int side);
    // The Active AI frame names of one side, in the order of their buttons.
    static const QStringList &ActiveAIFrames();
    // The mark over a history's filter button while its filter is on: a
    // filled frame and the filter's value on it.
    static QString HistoryFilterFrame(int side, bool player);
    static QString HistoryFilterLabel(int side, bool player);

    static constexpr int RowHeight = 15;
};
