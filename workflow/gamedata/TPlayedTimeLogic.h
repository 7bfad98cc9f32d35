#pragma once

#include <QList>
#include <QString>

class TGame;
class TPlayer;

// One player's playing time as the correction frame holds it: the text is
// the truth, so values past 99:45 read back as the text shows them.
class TPercJavitas
{
public:
    // Quarter-minutes as "MM:SS" (at least two minute digits).
    static QString TextOf(int quarterMinutes);
    // Minutes from the first two characters, seconds from the fourth and
    // fifth; each 0 when it is not a number.
    static int ValueOf(const QString &text);
    // A time the operator typed: "MM:SS" or "M:SS" with the seconds 00, 15,
    // 30 or 45, or whole minutes; false for anything else.
    static bool Parse(const QString &text, int *quarterMinutes);

    void SetValue(int quarterMinutes) { m_text = TextOf(quarterMinutes < 0 ? 0 : quarterMinutes); }
    int Value() const { return ValueOf(m_text); }
    void Step(int delta) { SetValue(Value() + delta); }
    const QString &Text() const { return m_text; }

private:
    QString m_text = TextOf(0);
};

// The played time dialog without widgets: one frame per player, the two
// team totals and their check against the clock, and storing on OK.
class TPlayedTimeLogic
{
public:
    struct TFrame
    {
        QString Name; // CSAPAT_1_CSAPAT_0, CSAPAT_2_CSERECSAPAT_1, ...
        int Side = 1;
        int Top = 0; // pixels within the team's scroll box
        TPlayer *Player = nullptr;
        TPercJavitas Time;
    };

    explicit TPlayedTimeLogic(TGame &game);

    QList<TFrame> &Frames() { return m_frames; }
    const QList<TFrame> &Frames() const { return m_frames; }

    // The clock the totals are measured against, in quarter-minutes: the
    // time played, since every step credits the players on court.
    int ReferenceClock() const;
    int Total(int side) const;
    QString TotalText(int side) const { return TPercJavitas::TextOf(Total(side)); }
    // Three players on court the whole time.
    int ExpectedTotal() const { return 3 * ReferenceClock(); }
    bool TotalRight(int side) const { return Total(side) == ExpectedTotal(); }
    // One line per wrong team total saying what it should be, translated.
    QString WrongTotals() const;
    QString Translate(const QString &text) const;

    // Stores every frame's value, sends the minutes report and saves the
    // game; when either total is wrong it tells the operator and stores
    // nothing (false).
    bool Ok();

private:
    TGame &m_game;
    QList<TFrame> m_frames;
};
