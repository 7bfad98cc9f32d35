#include "TCourtScreen.h"

#include "IHistoryDialogs.h"
#include "TScreenLayout.h"
#include "model/corrections/TEventCorrection.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "workflow/history/TChangeEventLogic.h"

// ---------------------------------------------------------------- history corrections

bool TCourtScreen::SelectHistoryNumber(int side, int number)
{
    if (side != 1 && side != 2)
        return false;
    const bool found = History(side).Log().SelectNumber(number);
    History(side).GoTo(number);
    Touch();
    return found;
}

bool TCourtScreen::SelectLastHistoryEntry(int side)
{
    if (side != 1 && side != 2)
        return false;
    History(side).SelectLast();
    Touch();
    return History(side).SelectedId() != -1;
}

int TCourtScreen::SelectedHistoryId(int side) const
{
    return side == 1 ? m_homeHistory.SelectedId() : side == 2 ? m_awayHistory.SelectedId() : -1;
}

bool TCourtScreen::HasHistoryEntry(int side, int id) const
{
    const TScreenHistory *history = side == 1 ? &m_homeHistory : side == 2 ? &m_awayHistory : nullptr;
    return history && history->Log().Find(id) != nullptr;
}

bool TCourtScreen::ChangeHistoryEvent(int side, int id, const TEventChange &change, QString *error)
{
    if (side != 1 && side != 2)
        return false;
    const bool done = History(side).Change(m_game, id, change, error);
    if (done) {
        forgetMarkers(id);
        m_flags.Invalidate();
    }
    Touch();
    return done;
}

void TCourtScreen::SetHistoryCaption(int side, int id, const QString &caption)
{
    if (side != 1 && side != 2)
        return;
    History(side).SetCaption(id, caption);
    m_flags.Invalidate();
    Touch();
}

void TCourtScreen::ApplyHistoryFilter(int side)
{
    if (side != 1 && side != 2)
        return;
    const TFilterArgument &filter = team(side).Filter;
    History(side).ApplyFilter(filter);
    // A filtered box is marked on its buttons with what it shows.
    QString player;
    if (filter.PlayerFilter) {
        const TPlayer *p = team(side).FindPlayerById(filter.PlayerId).Player();
        player = p ? QStringLiteral("%1 %2").arg(p->JatekosMezSzam).arg(PlayerStats::ShortName(p->JatekosNev))
                   : QString::number(filter.PlayerId);
    }
    QString event;
    if (filter.EventFilter) {
        event = QString::number(filter.Kind);
        for (const THistoryChoice &e : HistoryChoices::Events())
            if (e.Value == filter.Kind)
                event = tr(e.Text);
    }
    for (const bool isPlayer : {true, false}) {
        const QString &text = isPlayer ? player : event;
        SetItemText(TScreenLayout::HistoryFilterLabel(side, isPlayer), text);
        SetItemVisible(TScreenLayout::HistoryFilterLabel(side, isPlayer), !text.isEmpty());
        SetItemVisible(TScreenLayout::HistoryFilterFrame(side, isPlayer), !text.isEmpty());
    }
    Touch();
}

void TCourtScreen::HoldHistoryLine(int side, int id)
{
    if (side == 1 || side == 2) {
        History(side).Hold(id);
        m_flags.Invalidate();
    }
}

void TCourtScreen::DropHistoryLine(int side, int id)
{
    if (side == 1 || side == 2) {
        History(side).Drop(id);
        m_flags.Invalidate();
    }
}

// Corrections are no game events: they work in the intermission too, and a
// refusal says why.
bool TCourtScreen::deleteRefused(int side)
{
    const QString why = History(side).Log().DeleteRefusal();
    if (why.isEmpty())
        return false;
    m_game.Prompter().ShowInformation(tr(why));
    return true;
}

void TCourtScreen::DeleteSelectedEvent(int side)
{
    if (!deleteRefused(side))
        Record(side, Kind::DeleteEvent);
}

void TCourtScreen::DeleteLastEvent(int side)
{
    History(side).SelectLast();
    if (!deleteRefused(side)) {
        Record(side, Kind::DeleteEvent);
        History(side).LineUp();
    }
    Touch();
}

void TCourtScreen::TogglePlayerFilter(int side)
{
    TFilterArgument &filter = team(side).Filter;
    if (filter.PlayerFilter) {
        filter.PlayerFilter = false;
    } else if (m_historyDialogs) {
        int id = -1;
        if (m_historyDialogs->SelectPlayer(
                team(side).Data.EgyesuletNev,
                HistoryChoices::Players(team(side), m_game.Settings().SortByName()), &id)) {
            filter.PlayerFilter = true;
            filter.PlayerId = id;
        }
    }
    ApplyHistoryFilter(side);
}

void TCourtScreen::ToggleEventFilter(int side)
{
    TFilterArgument &filter = team(side).Filter;
    if (filter.EventFilter) {
        filter.EventFilter = false;
    } else if (m_historyDialogs) {
        QList<THistoryChoice> events = HistoryChoices::Events();
        for (THistoryChoice &e : events)
            e.Text = tr(e.Text);
        int code = 0;
        if (m_historyDialogs->SelectEvent(events, &code)) {
            filter.EventFilter = true;
            filter.Kind = code;
        }
    }
    ApplyHistoryFilter(side);
}

void TCourtScreen::GoToHistoryLine(int side)
{
    int number = 0;
    if (!m_historyDialogs || !m_historyDialogs->SelectEventId(&number) || SelectHistoryNumber(side, number))
        return;
    const int last = History(side).Log().LastNumber();
    if (number < 1 || number > last)
        m_game.Prompter().ShowInformation(
            tr(QStringLiteral("There is no line %1: the lines of this history are numbered 1 to %2."))
                .arg(number)
                .arg(last));
    else
        m_game.Prompter().ShowInformation(
            tr(QStringLiteral("Line %1 was deleted; its number is not given again.")).arg(number));
}

void TCourtScreen::ChangeSelectedEvent(int side)
{
    const TSideHistory::Entry *entry = History(side).Log().Find(History(side).SelectedId());
    if (!entry || !m_historyDialogs)
        return;
    if (!TEventCorrection::Changeable(entry->Event.Kind)) {
        m_game.Prompter().ShowInformation(tr(TEventCorrection::RefusalText()) + QLatin1Char('\n') +
                                          tr(TEventCorrection::RefusalReason(entry->Event.Kind)));
        return;
    }
    const QImage mask = m_mask.Mask(false);
    TChangeEventLogic logic(entry->Event, team(side), m_game.Settings().SortByName(),
                            tr(QStringLiteral("Csapat")), [mask](QPoint p) {
                                if (mask.isNull() || !mask.rect().contains(p))
                                    return 0;
                                return TZoneMask::ShotKindOf(TZoneMask::ZoneOfRgb(mask.pixel(p) & 0xffffffu));
                            });
    if (!m_historyDialogs->ChangeEvent(logic))
        return;
    QString error;
    if (!ChangeHistoryEvent(side, entry->Event.Id, logic.Change(), &error))
        m_game.Prompter().ShowError(tr(error));
}

void TCourtScreen::LightActiveAI(int code, int side)
{
    m_activeAI.Light(code, side);
}

void TCourtScreen::ClearActiveAI()
{
    m_activeAI.Clear();
}

void TCourtScreen::SetEventsLocked(bool lock)
{
    EventsLocked = lock;
    SetItemVisible(QStringLiteral("lblEsemenyTiltas"), lock);
}
