#include "TTeam.h"

#include "TGame.h"
#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"
#include "model/messages/LiveMessages.h"
#include "model/services/IScreenLink.h"

#include <QRegularExpression>
#include <algorithm>

// The recording of a team's events: what an event does to the marks, the
// hints and the type lists, its history text and its live message.

// ---------------------------------------------------------------- marks and hints

void TTeam::SetFastBreak(bool on)
{
    FastBreak = on;
    m_panel.ShowFastBreak(m_game.Screen());
}

void TTeam::SetSecondChance(bool on)
{
    SecondChance = on;
    m_panel.ShowSecondChance(m_game.Screen());
}

void TTeam::secondChanceRule(int kind, int detail)
{
    const TEventKind *k = EventKindTable::Find(kind);
    if (!SecondChance || !k)
        return;
    if (k->SecondChance == TSecondChance::Ends ||
        (k->SecondChance == TSecondChance::EndsUnlessFreeThrow && detail != ShotKind::FreeThrow))
        SwitchSecondChance();
}

void TTeam::hint(int code, int settingNumber)
{
    if (m_game.Settings().UseActiveAI(settingNumber))
        m_game.Screen().LightActiveAI(code, SideNumber);
}

// The Active AI hint an event lights, when its setting enables it.
void TTeam::lightHint(int kind, bool team)
{
    const TEventKind *k = EventKindTable::Find(kind);
    if (k && k->Hint != 0 && (!team || k->TeamHint))
        hint(k->Hint, k->HintSetting);
}

const TRefList &TTeam::typeList(TTypeList list) const
{
    return list == TTypeList::Foul ? m_game.FoulTypes : m_game.TurnoverTypes;
}

// The event just recorded is the one a type chosen next belongs to.
void TTeam::askForType(const TRefList &types, const TGameEvent &event)
{
    ShowAdditionalTypes(types);
    LastTypedEvent = event.Id;
}

void TTeam::ShowAdditionalTypes(const TRefList &types)
{
    m_panel.ShowAdditionalTypes(m_game.Screen(), types);
}

void TTeam::HideAdditionalTypes()
{
    m_panel.HideAdditionalTypes(m_game.Screen());
}

// ---------------------------------------------------------------- recording

void TTeam::RecordEvent(int side, int kind, int detail, int x, int y, const QString &webIdIn,
                        const QString &webIdOut, const QString &teamWebId)
{
    if (!m_game.AcceptsEvent(kind))
        return;

    IScreenLink &screen = m_game.Screen();
    HideAdditionalTypes();
    LastTypedEvent = -1;

    m_game.EventCounter += 1;
    TGameEvent *event = m_game.NewEvent(m_game.EventCounter, kind, detail, side);
    const QString server = m_game.Settings().ServerName();

    switch (kind) {
    case Kind::HistoryLineUp:
    case Kind::HistoryLineDown:
    case Kind::HistoryPageUp:
    case Kind::HistoryPageDown:
    case Kind::DeleteEvent:
        screen.HistoryCommand(SideNumber, kind);
        break;
    case Kind::ClockStep:
        if (!m_game.AdvanceClock(event, *this)) {
            // A refused step is no event: nothing goes to the server, and its
            // identifier is given to the next one.
            if (m_game.EventCounter == event->Id)
                m_game.EventCounter -= 1;
            return;
        }
        break;
    case Kind::PeriodEnd:
        m_game.EndPeriod(event);
        break;
    case Kind::Substitution:
        event->SetMessage(LiveMessages::Substitution(server, event->Id, m_game.GameCode, webIdIn, webIdOut,
                                                     teamWebId, m_game.Stamp()));
        event->Text = PlayerStats::ShortName(m_game.PlayerNameByWebId(webIdIn)) + QLatin1Char(' ') +
                      tr(QStringLiteral("<>")) + QLatin1Char(' ') +
                      PlayerStats::ShortName(m_game.PlayerNameByWebId(webIdOut));
        screen.AddHistoryLine(SideNumber, event);
        break;
    case Kind::Timeout:
        if (!RequestTimeout())
            return;
        event->Text = QString::number(m_game.Clock / 4) + tr(EventKindTable::TeamLine(kind));
        event->SetMessage(
            LiveMessages::Timeout(server, event->Id, m_game.GameCode, SideNumber, m_game.Stamp()));
        event->Side = TeamSide();
        screen.AddHistoryLine(SideNumber, event);
        m_game.QueueEvent(event);
        break;
    }

    if (kind == Kind::ClockStep || kind == Kind::PeriodEnd || kind == Kind::Substitution) {
        m_game.QueueEvent(event);
        if (kind == Kind::PeriodEnd || (kind == Kind::ClockStep && m_game.Clock % 8 == 0))
            m_game.SendMinutesReport();
    }

    const TEventKind *row = EventKindTable::Find(kind);
    if (kind == Kind::DefenseMode) {
        event->SetMessage(LiveMessages::DefenseMode(server, detail, event->Id, m_game.GameCode, Data.WebID,
                                                    SideNumber, m_game.Stamp()));
        m_game.QueueEvent(event);
    } else if (row && (row->Group == TKindGroup::History || row->Group == TKindGroup::Course ||
                       row->Group == TKindGroup::Team)) {
        // handled above
    } else if (TeamEventMode) {
        recordTeamEvent(event, kind);
    } else if (ActiveIndex >= 0 && ActiveIndex < OnCourt.Count() && EventKindTable::Credited(kind)) {
        if (kind != Kind::IndirectSteal || m_game.Settings().Edition() == TEdition::Hebrew)
            recordPlayerEvent(event, kind, detail, x, y);
    }

    m_game.SaveGame();
}

void TTeam::recordTeamEvent(TGameEvent *event, int kind)
{
    event->Side = TeamSide();

    applyTeamCounters(kind, +1);
    if (LiveMessages::TeamCode(kind) != 0)
        event->SetMessage(BuildTeamEventMessage(kind, event->Id));
    lightHint(kind, true);
    const TEventKind *row = EventKindTable::Find(kind);
    if (row && row->TeamTyped)
        askForType(typeList(row->Types), *event);
    else if (row && row->SecondChance == TSecondChance::Starts && !SecondChance)
        SwitchSecondChance();
    secondChanceRule(kind, event->Detail);
    RecomputeRatings();

    event->Text = BuildTeamEventText(kind, m_game.Clock);
    logEvent(event);
    sendAndShow(event);
}

void TTeam::recordPlayerEvent(TGameEvent *event, int kind, int detail, int x, int y)
{
    TPlayer &p = *OnCourt.At(ActiveIndex);
    const TEventKind *row = EventKindTable::Find(kind);
    const bool shot = EventKindTable::IsShot(kind);

    event->PlayerId = p.JatekosID;
    event->Clock = m_game.Clock;
    event->PlayerName = p.JatekosNev;
    const QString what = EventKindTable::HistoryWord(kind, detail);
    QString marks;
    if (shot && SecondChance)
        marks += QStringLiteral("(SC)");
    if (shot && FastBreak)
        marks += QStringLiteral("(FB)");
    event->Text = QString::number(m_game.Clock / 4) + QStringLiteral(".m ") +
                  QString::number(p.JatekosMezSzam) + QLatin1Char(' ') +
                  PlayerStats::ShortName(p.JatekosNev) + QStringLiteral(": ") + marks +
                  (what.isEmpty() ? what : tr(what));

    if (row && row->SecondChance == TSecondChance::Starts && !SecondChance)
        SwitchSecondChance();
    applyPlayerCounters(p, kind, detail, +1);
    applyTotalsForPlayerEvent(kind, detail, +1);

    if (shot || LiveMessages::PlayerCode(kind) != 0)
        event->SetMessage(BuildEventMessage(kind, event->Id, p.WebID, y, x, detail));

    lightHint(kind, false);
    if (kind == Kind::PersonalFoul)
        TeamFouls += 1;
    if (row && row->Types != TTypeList::None)
        askForType(typeList(row->Types), *event);
    if (kind == Kind::ShotMade) {
        if (FastBreak)
            event->FastBreak = 1;
        if (SecondChance)
            event->SecondChance = 1;
        applyMarkPoints(detail, FastBreak, SecondChance, +1);
        if (detail != ShotKind::FreeThrow) {
            SetFastBreak(false);
            SetSecondChance(false);
        }
    }
    secondChanceRule(kind, detail);

    ratePlayerAndTotals(p);
    logEvent(event);

    if (kind == Kind::IndirectSteal) {
        KepernyoMezokFeltoltese(m_game.Screen());
        return;
    }
    if (!event->Text.isEmpty() && !event->Message.isEmpty())
        event->SetMessage(event->Message + LiveMessages::ScorePair(m_game.HomeTeam().Data.Totals.Points,
                                                                   m_game.AwayTeam().Data.Totals.Points));
    sendAndShow(event);
}

void TTeam::logEvent(TGameEvent *event)
{
    m_game.RecordedEvents.Append(event);
    m_game.Screen().AddHistoryLine(SideNumber, event);
}

void TTeam::sendAndShow(TGameEvent *event)
{
    m_game.QueueEvent(event);
    KepernyoMezokFeltoltese(m_game.Screen());
    m_game.UpdatePassiveLabels();
}

void TTeam::Substitute()
{
    if (ActiveIndex < 0 || ActiveIndex >= OnCourt.Count() || SubstituteIndex < 0 ||
        SubstituteIndex >= Bench.Count())
        return;
    std::unique_ptr<TPlayer> out = OnCourt.Take(ActiveIndex);
    std::unique_ptr<TPlayer> in = Bench.Take(SubstituteIndex);
    const bool beforeStart = m_game.Clock == 0;
    if (beforeStart) {
        in->Starter = 1;
        out->Starter = 0;
    }
    const int inId = in->JatekosID;
    const int outId = out->JatekosID;
    const QString inWeb = in->WebID;
    const QString outWeb = out->WebID;
    // Moving between the lists copies the record into a new object.
    AddToCourt(std::make_unique<TPlayer>(*in));
    AddToBench(std::make_unique<TPlayer>(*out));
    ActiveIndex = -1;
    SubstituteIndex = -1;
    RecordEvent(SideNumber, Kind::Substitution, inId, outId, Data.CsapatID, inWeb, outWeb, Data.WebID);
    ActiveIndex = -1;
}

void TTeam::SetEventType(int typeId)
{
    const TGameEvent *recorded = LastTypedEvent >= 0 ? m_game.AllEvents.Find(LastTypedEvent) : nullptr;
    TGameEvent *event = recorded ? m_game.EditEvent(recorded) : nullptr;
    // The first type of the message: the placeholder 0, or the type chosen
    // before while the list is still open (a second choice corrects the first).
    static const QRegularExpression typeField(QStringLiteral("&tipus=\\d+"));
    const QRegularExpressionMatch field = event ? typeField.match(event->Message) : QRegularExpressionMatch();
    const TEventKind *row = event ? EventKindTable::Find(event->Kind) : nullptr;
    const TRefList &types =
        typeList(row && row->Types == TTypeList::Foul ? TTypeList::Foul : TTypeList::Turnover);
    const auto chosen =
        std::find_if(types.begin(), types.end(), [typeId](const TRefItem &t) { return t.Id == typeId; });
    if (!field.hasMatch()) {
        LastTypedEvent = -1;
        return;
    }
    QString message = event->Message;
    message.replace(field.capturedStart(), field.capturedLength(),
                    QStringLiteral("&tipus=") + QString::number(typeId));
    event->SetMessage(message);
    // The history line names the type; a new choice replaces the old name.
    QString caption = event->Text;
    for (const TRefItem &t : types) {
        const QString named = QStringLiteral(" (") + tr(t.Name) + QLatin1Char(')');
        if (caption.endsWith(named)) {
            caption.chop(named.size());
            break;
        }
    }
    // A type the lists do not hold (a script's number) is sent unnamed.
    event->Text = chosen == types.end()
                      ? caption
                      : caption + QStringLiteral(" (") + tr(chosen->Name) + QLatin1Char(')');
    m_game.Screen().SetHistoryCaption(SideNumber, event->Id, event->Text);
    m_panel.MarkAdditionalType(m_game.Screen(), typeId);
    m_game.QueueForResend(event);
    // The choice completes a saved event: kept at once, as an event is.
    m_game.SaveGame();
}

// ---------------------------------------------------------------- texts and messages

QString TTeam::BuildEventMessage(int kind, int id, const QString &webId, int y, int x, int shotKind) const
{
    const QString server = m_game.Settings().ServerName();
    if (kind == Kind::ShotMade || kind == Kind::ShotMissed)
        return LiveMessages::Shot(server, kind == Kind::ShotMade, id, m_game.GameCode,
                                  ShotKind::MessageType(shotKind), webId, x, y, m_game.Stamp());
    const TEventKind *row = EventKindTable::Find(kind);
    if (!row || row->PlayerCode == 0)
        return {};
    return LiveMessages::PlayerEvent(server, row->PlayerCode, id, m_game.GameCode, row->PlayerTyped, webId,
                                     m_game.Stamp());
}

QString TTeam::BuildEventText(int kind, int shotKind, const QString &name, int jersey, int clock) const
{
    const QString what = EventKindTable::HistoryWord(kind, shotKind);
    return QString::number(clock / 4) + QStringLiteral(".m ") + QString::number(jersey) + QLatin1Char(' ') +
           PlayerStats::ShortName(name) + QStringLiteral(": ") + (what.isEmpty() ? what : tr(what));
}

QString TTeam::BuildTeamEventMessage(int kind, int id) const
{
    const TEventKind *row = EventKindTable::Find(kind);
    if (!row || row->TeamCode == 0)
        return {};
    return LiveMessages::TeamEvent(m_game.Settings().ServerName(), row->TeamCode, id, m_game.GameCode,
                                   row->TeamTyped, Data.WebID, SideNumber, m_game.Stamp());
}

QString TTeam::BuildTeamEventText(int kind, int clock) const
{
    const QString text = EventKindTable::TeamLine(kind);
    return text.isEmpty() ? QString() : QString::number(clock / 4) + tr(text);
}
