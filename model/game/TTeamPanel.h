#pragma once

#include "model/settings/TRefList.h"

#include <QString>

class IScreenLink;
class TGame;
class TTeam;

// The panel of one side on the court screen, addressed by item name: the
// player rows, the totals, the defence mode, the team fouls and the
// additional types, and which roster entry a panel row shows. The team keeps
// the recording rules; this class only shows them.
class TTeamPanel
{
public:
    TTeamPanel(const TTeam &team, const TGame &game) : m_team(team), m_game(game) {}

    // Item-name fragments of the side.
    QString Prefix() const;   // "lblCsapat1" / "lblCsapat2"
    QString SideWord() const; // "HomeTeam" / "AwayTeam"

    void Fill(IScreenLink &screen) const;
    void FillDefense(IScreenLink &screen) const;
    void FillTeamFouls(IScreenLink &screen) const;
    // The fast-break and second-chance marks: red while on.
    void ShowFastBreak(IScreenLink &screen) const;
    void ShowSecondChance(IScreenLink &screen) const;
    void ShowAdditionalTypes(IScreenLink &screen, const TRefList &types) const;
    void HideAdditionalTypes(IScreenLink &screen) const;
    // The chosen type's entry stands out until the list closes.
    void MarkAdditionalType(IScreenLink &screen, int typeId) const;

    // The index in the court (bench) list of the player a panel row shows, -1 for an empty row.
    int CourtIndexAt(int row, IScreenLink &screen) const;
    int BenchIndexAt(int row, IScreenLink &screen) const;

private:
    QString rowText(int row, IScreenLink &screen) const;
    QString rowKey(const QString &text) const;

    const TTeam &m_team;
    const TGame &m_game;
};
