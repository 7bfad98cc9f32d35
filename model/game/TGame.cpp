#include "TGame.h"

#include "model/events/EventKinds.h"
#include "model/messages/LiveMessages.h"
#include "model/services/THeadlessScreen.h"

namespace {

// Answers every question with yes and shows nothing.
class TSilentPrompter : public IPrompter
{
public:
    void ShowError(const QString &) override {}
    void ShowInformation(const QString &) override {}
    bool Confirm(const QString &) override { return true; }
};

const char *const DigitPictures[] = {
    "imgTizesPerc10", "imgPerc00",      "imgPerc01",      "imgPerc02",  "imgPerc03", "imgPerc04",
    "imgPerc05",      "imgPerc06",      "imgPerc07",      "imgPerc08",  "imgPerc09", "imgMPercTizes0",
    "imgMPercTizes1", "imgMPercTizes3", "imgMPercTizes4", "imgMPerc00", "imgMPerc05"};

} // namespace

TGame::TGame(const TGameServices &services) : m_services(services)
{
    if (!m_services.Settings)
        m_ownSettings = std::make_unique<TSettings>();
    if (!m_services.Translator)
        m_ownTranslator = std::make_unique<TIdentityTranslator>();
    if (!m_services.Prompter)
        m_ownPrompter = std::make_unique<TSilentPrompter>();
    if (!m_services.Clock)
        m_ownClock = std::make_unique<TSystemClock>();
    m_settings = m_services.Settings ? m_services.Settings : m_ownSettings.get();
    m_translator = m_services.Translator ? m_services.Translator : m_ownTranslator.get();
    m_prompter = m_services.Prompter ? m_services.Prompter : m_ownPrompter.get();
    m_clock = m_services.Clock ? m_services.Clock : m_ownClock.get();
    m_ownScreen = std::make_unique<THeadlessScreen>();
    m_screen = m_ownScreen.get();
    m_screen->SetGame(this);
    m_home = std::make_unique<THomeTeam>(*this);
    m_away = std::make_unique<TAwayTeam>(*this);
}

TGame::~TGame()
{
    if (m_services.Store && m_settings->DeleteDataDump())
        m_services.Store->DeleteDumps(*this);
}

QString TGame::Translate(const QString &text, const QString &section) const
{
    return m_translator->Translate(text, section);
}

void TGame::SetScreen(IScreenLink *screen)
{
    m_screen = screen ? screen : m_ownScreen.get();
    m_screen->SetGame(this);
}

QString TGame::PlayerNameByWebId(const QString &webId) const
{
    if (m_services.Directory)
        return m_services.Directory->PlayerNameByWebId(webId);
    const TPlayer *player = FindPlayerByWebId(webId);
    return player ? player->JatekosNev : QString();
}

// ---------------------------------------------------------------- events and queueing

TGameEvent *TGame::NewEvent(int id, int kind, int detail, int side)
{
    return Adopt(std::make_unique<TGameEvent>(id, kind, detail, side, Clock));
}

TGameEvent *TGame::Adopt(std::unique_ptr<TGameEvent> event)
{
    m_events.push_back(std::move(event));
    return m_events.back().get();
}

TGameEvent *TGame::EditEvent(const TGameEvent *event)
{
    AllEvents.Touched(event);
    OutgoingQueue.Touched(event);
    // Every event is the game's own: the lists only hand them out read-only.
    return const_cast<TGameEvent *>(event);
}

void TGame::QueueEvent(TGameEvent *event)
{
    OutgoingQueue.Append(event);
    AllEvents.Append(event);
    WriteDumps();
}

void TGame::QueueForResend(TGameEvent *event)
{
    OutgoingQueue.Append(event);
}

void TGame::ReplaceEvent(TGameEvent *event)
{
    OutgoingQueue.Replace(event);
    const int a = AllEvents.IndexOf(event->Key());
    if (a >= 0)
        AllEvents.SetAt(a, event);
    QueueForResend(event);
}

void TGame::RemoveEvent(int id)
{
    const int i = AllEvents.IndexOf(id);
    if (i >= 0)
        AllEvents.RemoveAt(i);
    WriteDumps();
}

void TGame::SaveGame()
{
    if (m_services.Store)
        m_services.Store->SaveGame(*this);
}

void TGame::WriteDumps()
{
    if (m_services.Store)
        m_services.Store->WriteDumps(*this);
}

void TGame::GameDataChanged()
{
    if (m_services.Store)
        m_services.Store->WriteGameDataDump(*this);
}

// ---------------------------------------------------------------- clock and periods

int TGame::PeriodLength() const
{
    return PlayerStats::GameLength(m_home->TeamLine);
}

void TGame::SetPeriodLength(int minutes)
{
    PlayerStats::SetGameLength(m_home->TeamLine, minutes);
}

QString TGame::ClockText() const
{
    return PlayerStats::ClockText(Clock);
}

QString TGame::Stamp() const
{
    return Now().toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString TGame::TimeStamp() const
{
    return QStringLiteral("&time=") + Stamp();
}

bool TGame::AdvanceClock(TGameEvent *event, TTeam &caller)
{
    if (Clock >= MaxClock) {
        m_prompter->ShowInformation(Translate(
            QStringLiteral("The game clock has reached 100:00, its end: no further step can be recorded.")));
        return false;
    }
    const int reg = RegulationTicks();
    if (Clock == reg || (Clock > reg && (Clock - reg) % OvertimeTicks() == 0)) {
        if (!m_prompter->Confirm(Translate(QStringLiteral("Overtime! Are you sure?")))) {
            caller.KepernyoMezokFeltoltese(*m_screen);
            return false;
        }
    }
    event->Side = Side::None;
    if (!HeaderSent) {
        SendGameHeader();
        HeaderSent = true;
    }
    m_screen->SetEventsLocked(false);
    Clock += 1;
    m_home->CreditPlayingTime();
    m_away->CreditPlayingTime();
    UpdateClockDisplay();

    event->Detail = 1;
    event->SetMessage(
        LiveMessages::ClockStep(Settings().ServerName(), event->Id, GameCode, Clock / 4, Stamp()));
    event->Text = Translate(QStringLiteral("+15 sec"));
    m_screen->AddHistoryLine(1, event);
    m_screen->AddHistoryLine(2, event);
    RecordedEvents.Append(event);

    if (PeriodsEnded == Period) {
        Period += 1;
        ShowPeriodPicture();
        if (Period <= PeriodCount()) {
            m_home->TeamFouls = 0;
            m_away->TeamFouls = 0;
            m_home->KepernyoMezokFeltolteseTeamFoul(*m_screen);
            m_away->KepernyoMezokFeltolteseTeamFoul(*m_screen);
        }
    }
    // Both teams' players were credited the quarter-minute.
    m_home->KepernyoMezokFeltoltese(*m_screen);
    m_away->KepernyoMezokFeltoltese(*m_screen);
    return true;
}

void TGame::EndPeriod(TGameEvent *event)
{
    PeriodsEnded += 1;
    ShowBreakBetweenPeriods();
    event->SetMessage(LiveMessages::PeriodEnd(Settings().ServerName(), event->Id, GameCode, Period, Stamp()));
    if (m_services.Store)
        m_services.Store->WritePeriodDump(*this, Period);
}

void TGame::ShowBreakBetweenPeriods()
{
    m_screen->SetEventsLocked(true);
    ShowClockButtons(true);
    hideClockDigits();
    // The next period after the regulation time is an overtime.
    if (Clock >= RegulationTicks())
        ShowOvertimeStartClock();
    else
        ShowPeriodStartClock();
}

void TGame::CompleteMinute()
{
    const int steps = 4 - (Clock % 4);
    for (int i = 0; i < steps; ++i) {
        const int before = Clock;
        m_away->RecordEvent(2, Kind::ClockStep, 2);
        if (Clock == before)
            return;
    }
}

// ---------------------------------------------------------------- message-only events

TGameEvent *TGame::newMessageEvent(int id, int kind)
{
    return NewEvent(id, kind, -1, Side::None);
}

void TGame::SendGameHeader()
{
    if (m_services.Store)
        m_services.Store->DeleteEarlierDumps(*this);
    const QString server = Settings().ServerName();
    const QString stamp = Stamp();
    EventCounter += 1;
    TGameEvent *header = newMessageEvent(EventCounter, Kind::Header);
    header->SetMessage(LiveMessages::GameHeader(server, GameCode, stamp, m_home->Data.EgyesuletNev,
                                                m_away->Data.EgyesuletNev));
    QueueEvent(header);

    using LiveMessages::RosterPlace;
    const std::pair<const TPlayerList *, RosterPlace> lists[] = {{&m_home->OnCourt, RosterPlace::HomeCourt},
                                                                 {&m_home->Bench, RosterPlace::HomeBench},
                                                                 {&m_away->OnCourt, RosterPlace::AwayCourt},
                                                                 {&m_away->Bench, RosterPlace::AwayBench}};
    for (const auto &[list, place] : lists) {
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            EventCounter += 1;
            TGameEvent *entry = newMessageEvent(EventCounter, Kind::Header);
            entry->SetMessage(LiveMessages::RosterEntry(server, GameCode, stamp, p.WebID, place, p.JatekosNev,
                                                        p.JatekosMezSzam));
            QueueEvent(entry);
        }
    }
}

void TGame::SendMinutesReport()
{
    const QString server = Settings().ServerName();
    const QString stamp = Stamp();
    for (const TPlayerList *list : {&m_home->OnCourt, &m_home->Bench, &m_away->OnCourt, &m_away->Bench}) {
        EventCounter += 1;
        QList<LiveMessages::MinutesEntry> entries;
        for (int i = 0; i < list->Count(); ++i) {
            const TPlayer &p = *list->At(i);
            if (p.PlayingTime > 0)
                entries.append({i + 1, p.WebID, p.PlayingTime});
        }
        if (entries.isEmpty())
            continue;
        TGameEvent *report = newMessageEvent(EventCounter, Kind::MinutesReport);
        report->SetMessage(LiveMessages::MinutesReport(server, report->Id, GameCode, stamp, entries));
        QueueEvent(report);
    }
}

void TGame::SendGameClosed()
{
    TGameEvent *closed = newMessageEvent(EventCounter, Kind::GameClosed);
    closed->SetMessage(LiveMessages::GameClosed(Settings().ServerName(), closed->Id, GameCode, Stamp()));
    QueueEvent(closed);
}

static TGameEvent *notice(TGame &game, int kind)
{
    TGameEvent *event = game.NewEvent(game.EventCounter, kind, -1, Side::None);
    game.EventCounter += 1;
    event->SetMessage(LiveMessages::Notice(game.Settings().ServerName(), kind, game.GameCode, game.Stamp()));
    return event;
}

TGameEvent *TGame::ScreenOpenedNotice()
{
    return notice(*this, Kind::ScreenOpened);
}
TGameEvent *TGame::ReportsOpenedNotice()
{
    return notice(*this, Kind::ReportsOpened);
}
TGameEvent *TGame::ReportsClosedNotice()
{
    return notice(*this, Kind::ReportsClosed);
}

// ---------------------------------------------------------------- scores

TGame::Score TGame::ScoreAtMinute(int minute) const
{
    Score s;
    for (const TEventList::Entry &e : AllEvents.Entries()) {
        const TGameEvent &ev = *e.Event;
        if (ev.Kind != Kind::ShotMade || ev.Clock > 4 * minute)
            continue;
        // Team-mode shot records carry no points, so only player shots count.
        if (ev.Side == Side::HomePlayer)
            s.Home += ShotKind::Points(ev.Detail);
        else if (ev.Side == Side::AwayPlayer)
            s.Away += ShotKind::Points(ev.Detail);
    }
    return s;
}

TGame::Score TGame::PeriodScore(int n) const
{
    const QList<Score> scores = PeriodScores(n);
    return n >= 1 ? scores[n - 1] : Score{};
}

QList<TGame::Score> TGame::PeriodScores(int count) const
{
    // Each made shot in the stretch that holds its clock, as every replay counts it.
    const TPeriodRule rule = Periods();
    auto pointsOf = [&rule](const TGameEvent &ev) {
        TScoreTally::TPoints p;
        if (ev.Kind != Kind::ShotMade || (ev.Side != Side::HomePlayer && ev.Side != Side::AwayPlayer))
            return p;
        p.Stretch = rule.StretchOfClock(ev.Clock);
        (ev.Side == Side::HomePlayer ? p.Points.Home : p.Points.Away) = ShotKind::Points(ev.Detail);
        return p;
    };
    auto add = [](std::vector<Score> &sums, const TScoreTally::TPoints &p, int sign) {
        if (p.Stretch < 1)
            return;
        if (size_t(p.Stretch) > sums.size())
            sums.resize(size_t(p.Stretch));
        sums[size_t(p.Stretch - 1)].Home += sign * p.Points.Home;
        sums[size_t(p.Stretch - 1)].Away += sign * p.Points.Away;
    };

    TScoreTally &t = m_tally;
    const QList<TEventList::Entry> &log = AllEvents.Entries();
    const TEventList::TWatch::TLook look = t.Watch.Look(AllEvents, t.ByPosition.size());
    const size_t from = look.Whole || t.PeriodLength != PeriodLength() ? 0 : look.Reported;
    if (from == 0)
        t.ByStretch.clear();
    else
        for (size_t i = from; i < t.ByPosition.size(); ++i)
            add(t.ByStretch, t.ByPosition[i], -1);
    t.ByPosition.resize(size_t(log.size()));
    for (size_t i = from; i < t.ByPosition.size(); ++i) {
        t.ByPosition[i] = pointsOf(*log[qsizetype(i)].Event);
        add(t.ByStretch, t.ByPosition[i], +1);
    }
    t.PeriodLength = PeriodLength();
    if (TEventList::CheckEveryLook()) {
        std::vector<Score> sums;
        for (qsizetype i = 0; i < log.size(); ++i) {
            const TScoreTally::TPoints p = pointsOf(*log[i].Event);
            if (p.Stretch != t.ByPosition[size_t(i)].Stretch || !(p.Points == t.ByPosition[size_t(i)].Points))
                qFatal("Event %d (position %d of the log) was changed in place without TGame::EditEvent",
                       log[i].Event->Id, int(i));
            add(sums, p, +1);
        }
        sums.resize(std::max(sums.size(), t.ByStretch.size()));
        if (!std::equal(t.ByStretch.begin(), t.ByStretch.end(), sums.begin()))
            qFatal("The period scores kept differ from the log's");
    }

    QList<Score> scores(std::max(count, 0));
    for (int n = 0; n < count && size_t(n) < t.ByStretch.size(); ++n)
        scores[n] = t.ByStretch[size_t(n)];
    return scores;
}

// ---------------------------------------------------------------- players by web identifier

TPlayer *TGame::FindPlayerByWebId(const QString &webId)
{
    TPlayer *found = nullptr;
    for (const TPlayerList *list : {&m_home->OnCourt, &m_home->Bench, &m_away->OnCourt, &m_away->Bench})
        for (int i = 0; i < list->Count(); ++i)
            if (list->At(i)->WebID == webId)
                found = list->At(i);
    return found;
}

TPlayer TGame::GamePlayerRecordByWebId(const QString &webId)
{
    if (TPlayer *p = FindPlayerByWebId(webId))
        return *p;
    TPlayer none;
    none.WebID = webId;
    none.JatekosNev = QStringLiteral("N/A");
    none.JatekosRovidNev = QStringLiteral("N/A");
    return none;
}

// ---------------------------------------------------------------- clock display

void TGame::showDigit(const QString &name) const
{
    m_screen->SetItemVisible(name, true);
}

void TGame::hideClockDigits()
{
    for (const char *name : DigitPictures)
        m_screen->SetItemVisible(QString::fromLatin1(name), false);
}

void TGame::showZeroClock()
{
    showDigit(QStringLiteral("imgPerc00"));
    showDigit(QStringLiteral("imgMPercTizes0"));
    showDigit(QStringLiteral("imgMPerc00"));
    ClockDisplay = QStringLiteral("00");
}

void TGame::ShowPeriodStartClock()
{
    if (Clock > RegulationTicks()) {
        ShowOvertimeStartClock();
        return;
    }
    const int L = PeriodLength();
    if (L == 10) {
        showDigit(QStringLiteral("imgTizesPerc10"));
        showDigit(QStringLiteral("imgPerc00"));
    } else if (L == 12) {
        showDigit(QStringLiteral("imgTizesPerc10"));
        showDigit(QStringLiteral("imgPerc02"));
    } else if (L == 5) {
        showDigit(QStringLiteral("imgPerc05"));
    }
    ClockDisplay = QStringLiteral("%1").arg(L, 2, 10, QLatin1Char('0')) + QStringLiteral("00");
    showDigit(QStringLiteral("imgMPercTizes0"));
    showDigit(QStringLiteral("imgMPerc00"));
}

void TGame::ShowOvertimeStartClock()
{
    hideClockDigits();
    if (PeriodLength() == 5) {
        showDigit(QStringLiteral("imgPerc02"));
        ClockDisplay = QStringLiteral("0200");
    } else {
        showDigit(QStringLiteral("imgPerc05"));
        ClockDisplay = QStringLiteral("0500");
    }
    showDigit(QStringLiteral("imgMPercTizes0"));
    showDigit(QStringLiteral("imgMPerc00"));
}

void TGame::ShowClockButtons(bool flag)
{
    m_screen->SetItemVisible(QStringLiteral("imgIdoCsapat1"), flag);
    m_screen->SetItemVisible(QStringLiteral("imgIdoCsapat2"), flag);
    for (const char *name :
         {"imgFelidoVegeCsapat11", "imgFelidoVegeCsapat12", "imgFelidoVegeCsapat21", "imgFelidoVegeCsapat22"})
        m_screen->SetItemVisible(QString::fromLatin1(name), !flag);
}

void TGame::ShowPeriodPicture()
{
    if (Period == 0)
        Period = 1;
    for (int i = 1; i <= 4; ++i)
        m_screen->SetItemVisible(QStringLiteral("imgQuarter%1").arg(i), false);
    m_screen->SetItemVisible(QStringLiteral("imgQuarterOverTime"), false);
    if (Period <= PeriodCount())
        m_screen->SetItemVisible(QStringLiteral("imgQuarter%1").arg(Period), true);
    else
        m_screen->SetItemVisible(QStringLiteral("imgQuarterOverTime"), true);
}

void TGame::UpdateClockDisplay()
{
    hideClockDigits();
    if (Clock <= 0) {
        ShowPeriodStartClock();
        return;
    }
    const int L = PeriodLength();
    const int reg = RegulationTicks();
    if (Clock > 10 && Clock <= reg)
        ShowClockButtons(Clock % PeriodTicks() != 0);
    else if (Clock > reg)
        ShowClockButtons((Clock - reg) % OvertimeTicks() != 0);

    const bool endShown = m_screen->ItemVisible(QStringLiteral("imgFelidoVegeCsapat21"));
    if (Clock <= reg) {
        const int r = Clock % PeriodTicks();
        if (r != 0) {
            const int M = L - (r - 1) / 4 - 1;
            if (M >= 10) {
                showDigit(QStringLiteral("imgTizesPerc10"));
                showDigit(QStringLiteral("imgPerc%1").arg(M - 10, 2, 10, QLatin1Char('0')));
                ClockDisplay = QStringLiteral("1") + QString::number(M - 10);
            } else {
                showDigit(QStringLiteral("imgPerc%1").arg(M, 2, 10, QLatin1Char('0')));
                ClockDisplay = QStringLiteral("0") + QString::number(M);
            }
        } else if (endShown) {
            showZeroClock();
        } else {
            ShowPeriodStartClock();
        }
    } else {
        const int r = (Clock - reg) % OvertimeTicks();
        if (r != 0) {
            const int M = (L == 5 ? 1 : 4) - (r - 1) / 4;
            showDigit(QStringLiteral("imgPerc%1").arg(M, 2, 10, QLatin1Char('0')));
            ClockDisplay = QStringLiteral("0") + QString::number(M);
        } else if (endShown) {
            showZeroClock();
        } else {
            ShowOvertimeStartClock();
        }
    }

    static const char *const tens[] = {"imgMPercTizes0", "imgMPercTizes4", "imgMPercTizes3",
                                       "imgMPercTizes1"};
    static const char *const units[] = {"imgMPerc00", "imgMPerc05", "imgMPerc00", "imgMPerc05"};
    static const char *const texts[] = {"00", "45", "30", "15"};
    const int q = Clock % 4;
    showDigit(QString::fromLatin1(tens[q]));
    showDigit(QString::fromLatin1(units[q]));
    if (ClockDisplay.size() < 4)
        ClockDisplay += QString::fromLatin1(texts[q]);
}

// ---------------------------------------------------------------- passive AI labels

void TGame::UpdatePassiveLabels()
{
    const TTeamTotals &h = m_home->Data.Totals;
    const TTeamTotals &a = m_away->Data.Totals;
    struct Line
    {
        int d1, d2;
        const char *home1, *home2, *away1, *away2;
    };
    const Line lines[] = {
        {h.Steals - a.Turnovers, h.Turnovers - a.Steals, "ST", "TO", "TO", "ST"},
        {h.PersonalFouls - a.FoulsDrawn, h.FoulsDrawn - a.PersonalFouls, "PF", "FA", "FA", "PF"},
        {h.Blocks - a.BlocksReceived, h.BlocksReceived - a.Blocks, "BS", "SR", "SR", "BS"},
    };
    for (int i = 0; i < 3; ++i) {
        const Line &l = lines[i];
        const QString homeLabel = QStringLiteral("lblPassiveAI%1Home").arg(i + 1);
        const QString awayLabel = QStringLiteral("lblPassiveAI%1Away").arg(i + 1);
        if (l.d1 == 0 && l.d2 == 0) {
            m_screen->SetItemVisible(homeLabel, false);
            m_screen->SetItemVisible(awayLabel, false);
            continue;
        }
        auto text = [this](int d1, int d2, const char *w1, const char *w2) {
            QString t;
            if (d1 != 0)
                t = QString::number(d1) + QLatin1Char(' ') + Translate(QString::fromLatin1(w1));
            if (d2 != 0) {
                if (!t.isEmpty())
                    t += QLatin1Char('/');
                t += QString::number(d2) + QLatin1Char(' ') + Translate(QString::fromLatin1(w2));
            }
            return t;
        };
        m_screen->SetItemText(homeLabel, text(l.d1, l.d2, l.home1, l.home2));
        m_screen->SetItemText(awayLabel, text(-l.d1, -l.d2, l.away1, l.away2));
        const bool visible = Settings().PassiveAIVisible(i + 1);
        m_screen->SetItemVisible(homeLabel, visible);
        m_screen->SetItemVisible(awayLabel, visible);
    }
}
