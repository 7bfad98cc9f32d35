#include "EventKindTable.h"

#include "EventKinds.h"

namespace EventKindTable {

namespace {

using G = TKindGroup;
using SC = TSecondChance;

struct TShotWords
{
    int ShotKind;
    const char *Made;
    const char *Missed;
};

const TShotWords ShotWords[] = {
    {ShotKind::Close, "sikeres közeli", "sikertelen közeli"},
    {ShotKind::MidRange, "sikeres középtávoli", "sikertelen középtávoli"},
    {ShotKind::Three, "sikeres távoli", "sikertelen távoli"},
    {ShotKind::FreeThrow, "sikeres büntető", "sikertelen büntető"},
    {ShotKind::Dunk, "sikeres zsákolás", "sikertelen zsakolas"},
};

} // namespace

const QList<TEventKind> &All()
{
    static const QList<TEventKind> kinds{
        {.Kind = Kind::TechnicalFoul,
         .Group = G::Player,
         .History = "technikai hiba",
         .TeamLine = ".p Csapat technikai hiba",
         .PlayByPlay = "technikai hiba",
         .FilterCaption = "technikai hiba",
         .PlayerCode = 1020,
         .TeamCode = 2020,
         .Hint = 32,
         .HintSetting = 3,
         .SecondChance = SC::Ends},
        {.Kind = Kind::DefensiveRebound,
         .Group = G::Player,
         .History = "védőlepattanó",
         .TeamLine = ".p Csapat védőlepattanó",
         .PlayByPlay = "védőlepattanó",
         .FilterCaption = "védőlepattanó",
         .PlayerCode = 1002,
         .TeamCode = 2002,
         .SecondChance = SC::Ends,
         .Picture = "GOMB1",
         .CaptionHun = "VÉDŐ",
         .CaptionEng = "D.REB"},
        {.Kind = Kind::OffensiveRebound,
         .Group = G::Player,
         .History = "támadólepattanó",
         .TeamLine = ".p Csapat támadólepattanó",
         .PlayByPlay = "támadólepattanó",
         .FilterCaption = "támadólepattanó",
         .PlayerCode = 1003,
         .TeamCode = 2003,
         .SecondChance = SC::Starts,
         .Picture = "GOMB6",
         .CaptionHun = "TÁMADÓ",
         .CaptionEng = "O.REB"},
        {.Kind = Kind::Steal,
         .Group = G::Player,
         .History = "labdaszerzés",
         .TeamLine = ".p Csapat labdaszerzés",
         .PlayByPlay = "labdaszerzés",
         .FilterCaption = "labdaszerzés",
         .PlayerCode = 1004,
         .PlayerTyped = true,
         .TeamCode = 2004,
         .Hint = 21,
         .HintSetting = 2,
         .SecondChance = SC::Ends,
         .Picture = "GOMB2",
         .CaptionHun = "LABDASZ",
         .CaptionEng = "STEAL"},
        {.Kind = Kind::FoulDrawn,
         .Group = G::Player,
         .History = "kiharcolt személyi",
         .TeamLine = ".p Csapat kiharcolt személyi",
         .PlayByPlay = "kiharcolt személyi",
         .FilterCaption = "kiharcolt személyi",
         .PlayerCode = 1006,
         .TeamCode = 2006,
         .Hint = 31,
         .HintSetting = 3,
         .TeamHint = false,
         .Picture = "GOMB3",
         .CaptionHun = "KIHARC",
         .CaptionEng = "DRAWN"},
        {.Kind = Kind::PersonalFoul,
         .Group = G::Player,
         .History = "személyi hiba",
         .TeamLine = ".p Csapat személyi hiba",
         .PlayByPlay = "személyi hiba",
         .FilterCaption = "személyi hiba",
         .PlayerCode = 1007,
         .PlayerTyped = true,
         .TeamCode = 2007,
         .Types = TTypeList::Foul,
         .Hint = 32,
         .HintSetting = 3,
         .SecondChance = SC::Ends,
         .Picture = "GOMB8",
         .CaptionHun = "SZEM.H.",
         .CaptionEng = "FOUL"},
        {.Kind = Kind::Assist,
         .Group = G::Player,
         .History = "gólpassz",
         .TeamLine = ".p Csapat gólpassz",
         .PlayByPlay = "assist",
         .FilterCaption = "gólpassz",
         .PlayerCode = 1008,
         .TeamCode = 2008,
         .Picture = "GOMB4",
         .CaptionHun = "GÓLP.",
         .CaptionEng = "ASSIST"},
        {.Kind = Kind::BlockReceived,
         .Group = G::Player,
         .History = "hiba",
         .TeamLine = ".p Csapat hiba",
         .PlayByPlay = "hiba",
         .FilterCaption = "hiba",
         .PlayerCode = 1010,
         .TeamCode = 2010,
         .Hint = 42,
         .HintSetting = 4,
         .SecondChance = SC::Ends,
         .Picture = "GOMB5",
         .CaptionHun = "K.BLOKK",
         .CaptionEng = "BLK.REC"},
        {.Kind = Kind::Turnover,
         .Group = G::Player,
         .History = "eladott labda",
         .TeamLine = ".p Csapat eladott labda",
         .PlayByPlay = "eladott labda",
         .FilterCaption = "eladott labda",
         .PlayerCode = 1005,
         .PlayerTyped = true,
         .TeamCode = 2005,
         .TeamTyped = true,
         .Types = TTypeList::Turnover,
         .Hint = 22,
         .HintSetting = 2,
         .SecondChance = SC::Ends,
         .Picture = "GOMB7",
         .CaptionHun = "ELAD.",
         .CaptionEng = "T.O."},
        {.Kind = Kind::Block,
         .Group = G::Player,
         .History = "blokkolt dobás",
         .TeamLine = ".p Csapat blokkolt dobás",
         .PlayByPlay = "blokkolt dobás",
         .FilterCaption = "blokkolt dobás",
         .PlayerCode = 1009,
         .TeamCode = 2009,
         .Hint = 41,
         .HintSetting = 4,
         .SecondChance = SC::Ends,
         .Picture = "GOMB9",
         .CaptionHun = "BLOKK",
         .CaptionEng = "BLOCK"},
        {.Kind = Kind::ShotMade,
         .Group = G::Shot,
         .PlayByPlay = "made",
         .FilterCaption = "sikeres dobás",
         .PlayerCode = 1000},
        {.Kind = Kind::ShotMissed,
         .Group = G::Shot,
         .PlayByPlay = "missed",
         .FilterCaption = "sikertelen dobás",
         .PlayerCode = 1001,
         .Hint = 1,
         .HintSetting = 1,
         .TeamHint = false,
         .SecondChance = SC::EndsUnlessFreeThrow},
        // A player's indirect steal sends nothing; the team's shares its code
        // with the team's received block.
        {.Kind = Kind::IndirectSteal,
         .Group = G::Player,
         .History = "indirect labdaszerzes",
         .TeamLine = ".p Csapat indirect labdaszerzés",
         .PlayByPlay = "indirect labdaszerzés",
         .TeamCode = 2010,
         .SecondChance = SC::Ends},
        {.Kind = Kind::Timeout,
         .Group = G::Team,
         .TeamLine = ".p idokéres",
         .PlayByPlay = "idokéres",
         .Refusal = "A timeout is no event of the dialog; delete it and record it again for the right team."},
        {.Kind = Kind::HistoryLineUp, .Group = G::History},
        {.Kind = Kind::HistoryLineDown, .Group = G::History},
        {.Kind = Kind::HistoryPageUp, .Group = G::History},
        {.Kind = Kind::HistoryPageDown, .Group = G::History},
        {.Kind = Kind::DeleteEvent, .Group = G::History},
        {.Kind = Kind::ClockStep,
         .Group = G::Course,
         .Deletable = false,
         .Refusal =
             "Clock steps carry the game clock; the official time is sent with Set time (Delete key)."},
        {.Kind = Kind::PeriodEnd, .Group = G::Course},
        {.Kind = Kind::Substitution,
         .Group = G::Course,
         .Deletable = false,
         .Refusal =
             "Substitutions carry the line-ups; correct a line-up with the substitutions dialog (Space "
             "key)."},
        {.Kind = Kind::DefenseMode, .Group = G::Course},
        {.Kind = Kind::MinutesReport},
        {.Kind = Kind::GameTimeSet},
        {.Kind = Kind::ScreenOpened},
        {.Kind = Kind::ReportsOpened},
        {.Kind = Kind::ReportsClosed},
        {.Kind = Kind::GameClosed},
    };
    return kinds;
}

const TEventKind *Find(int kind)
{
    for (const TEventKind &k : All())
        if (k.Kind == kind)
            return &k;
    return nullptr;
}

bool InGroup(int kind, TKindGroup group)
{
    const TEventKind *k = Find(kind);
    return k && k->Group == group;
}

bool IsShot(int kind)
{
    return kind == Kind::ShotMade || kind == Kind::ShotMissed;
}

bool Credited(int kind)
{
    return InGroup(kind, TKindGroup::Player) || IsShot(kind);
}

QString HistoryWord(int kind, int shotKind)
{
    if (IsShot(kind)) {
        for (const TShotWords &w : ShotWords)
            if (w.ShotKind == shotKind)
                return QString::fromUtf8(kind == Kind::ShotMade ? w.Made : w.Missed);
        return {};
    }
    const TEventKind *k = Find(kind);
    return k && k->History ? QString::fromUtf8(k->History) : QString();
}

QString TeamLine(int kind)
{
    const TEventKind *k = Find(kind);
    return k && k->TeamLine ? QString::fromUtf8(k->TeamLine) : QString();
}

} // namespace EventKindTable
