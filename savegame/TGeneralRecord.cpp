#include "TGeneralRecord.h"

#include "model/game/RecordBuffer.h"
#include "model/game/TGame.h"

TGeneralRecord TGeneralRecord::FromGame(const TGame &game)
{
    TGeneralRecord r;
    r.Attendance = game.Attendance;
    r.Referee1 = game.Referee1;
    r.Referee2 = game.Referee2;
    r.Referee3 = game.Referee3;
    r.HomeCoach = game.HomeCoach;
    r.AwayCoach = game.AwayCoach;
    r.Stadium = game.Stadium;
    r.GameDate = game.GameDate;
    r.GameTime = game.GameTime;
    r.Home = game.HomeTeam().Data;
    r.Away = game.AwayTeam().Data;
    r.Clock = game.Clock;
    r.Period = game.Period;
    r.PeriodsEnded = game.PeriodsEnded;
    r.Income = game.Income;
    return r;
}

void TGeneralRecord::ApplyTo(TGame &game) const
{
    game.Attendance = Attendance;
    game.Referee1 = Referee1;
    game.Referee2 = Referee2;
    game.Referee3 = Referee3;
    game.HomeCoach = HomeCoach;
    game.AwayCoach = AwayCoach;
    game.Stadium = Stadium;
    game.GameDate = GameDate;
    game.GameTime = GameTime;
    game.HomeTeam().Data = Home;
    game.AwayTeam().Data = Away;
    game.Clock = Clock;
    game.Period = Period;
    game.PeriodsEnded = PeriodsEnded;
    game.Income = Income;
}

QByteArray TGeneralRecord::ToRecord() const
{
    TRecordWriter w(RecordSize);
    w.Int32(0, Attendance);
    w.String(4, 255, Referee1);
    w.String(260, 255, Referee2);
    w.String(516, 255, Referee3);
    w.String(772, 255, HomeCoach);
    w.String(1028, 255, AwayCoach);
    w.String(1284, 255, Stadium);
    w.String(1540, 15, GameDate);
    w.String(1556, 15, GameTime);
    QByteArray data = w.Data();
    data.replace(HomeBlockOffset, TTeamData::BlockSize, Home.ToBlock());
    data.replace(AwayBlockOffset, TTeamData::BlockSize, Away.ToBlock());
    TRecordWriter tail(16);
    tail.Int32(0, Clock);
    tail.Int32(4, Period);
    tail.Int32(8, PeriodsEnded);
    tail.Int32(12, Income);
    data.replace(3684, 16, tail.Data());
    return data;
}

TGeneralRecord TGeneralRecord::FromRecord(const char *data)
{
    TRecordReader r(data, RecordSize);
    TGeneralRecord g;
    g.Attendance = r.Int32(0);
    g.Referee1 = r.String(4, 255);
    g.Referee2 = r.String(260, 255);
    g.Referee3 = r.String(516, 255);
    g.HomeCoach = r.String(772, 255);
    g.AwayCoach = r.String(1028, 255);
    g.Stadium = r.String(1284, 255);
    g.GameDate = r.String(1540, 15);
    g.GameTime = r.String(1556, 15);
    g.Home = TTeamData::FromBlock(data + HomeBlockOffset);
    g.Away = TTeamData::FromBlock(data + AwayBlockOffset);
    g.Clock = r.Int32(3684);
    g.Period = r.Int32(3688);
    g.PeriodsEnded = r.Int32(3692);
    g.Income = r.Int32(3696);
    return g;
}
