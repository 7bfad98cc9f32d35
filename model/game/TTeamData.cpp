#include "TTeamData.h"

#include "RecordBuffer.h"

#include <array>

namespace {
// The totals in stored order.
template <typename T> auto totalFields(T &t)
{
    return std::array{&t.Points,          &t.MissedPoints,
                      &t.CloseMade,       &t.CloseMissed,
                      &t.MidMade,         &t.MidMissed,
                      &t.ThreeMade,       &t.ThreeMissed,
                      &t.FreeThrowsMade,  &t.FreeThrowsMissed,
                      &t.DefRebounds,     &t.OffRebounds,
                      &t.Steals,          &t.Turnovers,
                      &t.PersonalFouls,   &t.FoulsDrawn,
                      &t.Assists,         &t.Blocks,
                      &t.BlocksReceived,  &t.Rating,
                      &t.IndirectSteals,  &t.DunksMade,
                      &t.DunksMissed,     &t.TechnicalFouls,
                      &t.FastBreakPoints, &t.SecondChancePoints};
}
} // namespace

void TTeamTotals::ClearCounters()
{
    auto fields = totalFields(*this);
    for (int i = 0; i < 20; ++i)
        *fields[size_t(i)] = 0;
}

TPlayer TTeamTotals::AsPlayer() const
{
    TPlayer p;
    p.Points = Points;
    p.MissedPoints = MissedPoints;
    p.CloseMade = CloseMade;
    p.CloseMissed = CloseMissed;
    p.MidMade = MidMade;
    p.MidMissed = MidMissed;
    p.ThreeMade = ThreeMade;
    p.ThreeMissed = ThreeMissed;
    p.FreeThrowsMade = FreeThrowsMade;
    p.FreeThrowsMissed = FreeThrowsMissed;
    p.DefRebounds = DefRebounds;
    p.OffRebounds = OffRebounds;
    p.Steals = Steals;
    p.Turnovers = Turnovers;
    p.PersonalFouls = PersonalFouls;
    p.FoulsDrawn = FoulsDrawn;
    p.Assists = Assists;
    p.Blocks = Blocks;
    p.BlocksReceived = BlocksReceived;
    p.Rating = Rating;
    p.DunksMade = DunksMade;
    p.DunksMissed = DunksMissed;
    p.TechnicalFouls = TechnicalFouls;
    return p;
}

QByteArray TTeamData::ToBlock() const
{
    TRecordWriter w(BlockSize);
    w.Int32(0, LigaID);
    w.Int32(4, CsapatID);
    w.String(8, 12, WebID);
    w.String(21, 60, EgyesuletNev);
    w.String(82, 3, EgyesuletRovidNev);
    w.String(86, 30, EgyesuletSzin);
    w.String(117, 200, EgyesuletCim);
    w.String(318, 20, EgyesuletTel);
    w.String(540, 20, EgyesuletCsarnokTelefon);
    w.Int32(564, EgyesuletCsarnokFerohely);
    w.String(568, 60, EgyesuletEdzoNev);
    w.String(629, 60, EgyesuletElnokNev);
    w.String(690, 60, EgyesuletTechNev);
    w.String(751, 200, EgyesuletGyozelmek);
    const auto fields = totalFields(Totals);
    for (size_t i = 0; i < fields.size(); ++i)
        w.Int32(952 + 4 * int(i), *fields[i]);
    return w.Data();
}

TTeamData TTeamData::FromBlock(const char *data)
{
    TRecordReader r(data, BlockSize);
    TTeamData t;
    t.LigaID = r.Int32(0);
    t.CsapatID = r.Int32(4);
    t.WebID = r.String(8, 12);
    t.EgyesuletNev = r.String(21, 60);
    t.EgyesuletRovidNev = r.String(82, 3);
    t.EgyesuletSzin = r.String(86, 30);
    t.EgyesuletCim = r.String(117, 200);
    t.EgyesuletTel = r.String(318, 20);
    t.EgyesuletCsarnokTelefon = r.String(540, 20);
    t.EgyesuletCsarnokFerohely = r.Int32(564);
    t.EgyesuletEdzoNev = r.String(568, 60);
    t.EgyesuletElnokNev = r.String(629, 60);
    t.EgyesuletTechNev = r.String(690, 60);
    t.EgyesuletGyozelmek = r.String(751, 200);
    auto fields = totalFields(t.Totals);
    for (size_t i = 0; i < fields.size(); ++i)
        *fields[i] = r.Int32(952 + 4 * int(i));
    return t;
}
