#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class TGame;

// The game data dialog without widgets: the game's data fields as texts,
// the staff choices, the points per period, and storing on OK.
class TGameDataLogic
{
public:
    // Staff names of one type ("B" referees, "E" coaches, "H" venues).
    using TStaffSource = std::function<QStringList(const QString &type)>;

    struct TFields
    {
        QString GameDate, GameTime, Attendance, Income;
        QString Referee1, Referee2, Referee3, HomeCoach, AwayCoach, Stadium;
    };

    TGameDataLogic(TGame &game, const TStaffSource &staff);

    TFields Fields;
    QStringList Referees, Coaches, Stadiums;
    // Points of four periods and the overtime, per side (index 0 home).
    std::array<std::array<int, 5>, 2> Points{};

    static int Sum(const std::array<int, 5> &points);
    // Whole numbers only; anything else is 0.
    static qint32 WholeNumber(const QString &text);

    // Writes the fields back into the game and its game data dump; the
    // points are not stored.
    void Ok() const;

private:
    TGame &m_game;
};
