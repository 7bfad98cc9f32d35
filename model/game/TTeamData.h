#pragma once

#include "TPlayer.h"

#include <QByteArray>
#include <QString>

// The team's 26 running totals.
struct TTeamTotals
{
    qint32 Points = 0, MissedPoints = 0, CloseMade = 0, CloseMissed = 0, MidMade = 0, MidMissed = 0;
    qint32 ThreeMade = 0, ThreeMissed = 0, FreeThrowsMade = 0, FreeThrowsMissed = 0;
    qint32 DefRebounds = 0, OffRebounds = 0, Steals = 0, Turnovers = 0, PersonalFouls = 0;
    qint32 FoulsDrawn = 0, Assists = 0, Blocks = 0, BlocksReceived = 0, Rating = 0;
    qint32 IndirectSteals = 0, DunksMade = 0, DunksMissed = 0, TechnicalFouls = 0;
    qint32 FastBreakPoints = 0, SecondChancePoints = 0;

    // Totals 1 to 20 are cleared when the team is chosen for a game.
    void ClearCounters();
    // The totals in the player layout, so the player formulas apply to them.
    TPlayer AsPlayer() const;
    bool operator==(const TTeamTotals &o) const = default;
};

// The team block of the general record: the team's master data and totals.
struct TTeamData
{
    static constexpr int BlockSize = 1056;
    // Where the game's general record ("general_" + code + ".dat") holds the
    // home and the away block.
    static constexpr int GeneralHomeOffset = 1572;
    static constexpr int GeneralAwayOffset = 2628;

    qint32 LigaID = 0;
    qint32 CsapatID = 0;
    QString WebID;                   // string[12]
    QString EgyesuletNev;            // string[60]
    QString EgyesuletRovidNev;       // string[3]
    QString EgyesuletSzin;           // string[30]
    QString EgyesuletCim;            // string[200]
    QString EgyesuletTel;            // string[20]
    QString EgyesuletCsarnokTelefon; // string[20]
    qint32 EgyesuletCsarnokFerohely = 0;
    QString EgyesuletEdzoNev;   // string[60]
    QString EgyesuletElnokNev;  // string[60]
    QString EgyesuletTechNev;   // string[60]
    QString EgyesuletGyozelmek; // string[200]
    TTeamTotals Totals;

    QByteArray ToBlock() const;
    static TTeamData FromBlock(const char *data); // BlockSize bytes
    bool operator==(const TTeamData &o) const = default;
};
