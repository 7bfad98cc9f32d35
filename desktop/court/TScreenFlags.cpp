#include "TScreenFlags.h"

#include "TScreenHistory.h"
#include "TScreenItems.h"
#include "model/game/TGame.h"

namespace {

bool userOnly(const TFlag &flag)
{
    return flag.Reasons.size() == 1 && flag.Reasons.first() == TFlagReason::User;
}

} // namespace

TScreenFlags::TScreenFlags(TGame &game, TScreenItems &items, TScreenHistory &home, TScreenHistory &away,
                           std::function<QString(const QString &)> translate, std::function<void()> changed)
    : m_game(game), m_items(items), m_home(home), m_away(away), m_translate(std::move(translate)),
      m_changed(std::move(changed))
{
    m_board.Attach(&game, &home.Log(), &away.Log());
    m_refresh.setSingleShot(true);
    QObject::connect(&m_refresh, &QTimer::timeout, [this] { Refresh(); });
    m_reasonTimer.setSingleShot(true);
    QObject::connect(&m_reasonTimer, &QTimer::timeout, [this] {
        HideReason();
        m_changed();
    });
    for (TScreenHistory *history : {&home, &away}) {
        const int side = history == &home ? 1 : 2;
        history->SetRedrawn([this, side] { MarkVisibleLines(side); });
    }
}

QString TScreenFlags::CountLabel(int side)
{
    return QStringLiteral("lblFlagCountCsapat%1").arg(side);
}

QString TScreenFlags::LineMark(int side, int line)
{
    return QStringLiteral("shFlagCsapat%1_%2").arg(side).arg(line);
}

void TScreenFlags::Invalidate()
{
    m_board.Invalidate();
    if (!m_refresh.isActive())
        m_refresh.start(RefreshDelayMs);
}

void TScreenFlags::Flush()
{
    if (m_refresh.isActive())
        Refresh();
}

void TScreenFlags::Refresh()
{
    m_refresh.stop();
    m_board.Flags();
    updateCounts();
    MarkVisibleLines(1);
    MarkVisibleLines(2);
    m_changed();
}

const QList<TFlag> &TScreenFlags::Open()
{
    Flush();
    return m_board.Flags();
}

const TFlag *TScreenFlags::Find(int side, int eventId)
{
    Flush();
    return m_board.Find(side, eventId);
}

int TScreenFlags::OpenCount(int side)
{
    Flush();
    return m_board.OpenCount(side);
}

QList<TFlag> TScreenFlags::OpenOfPeriod(int period)
{
    Flush();
    return m_board.FlagsOfPeriod(period);
}

void TScreenFlags::updateCounts()
{
    for (int side = 1; side <= 2; ++side) {
        const int count = m_board.OpenCount(side);
        TScreenItem &badge = m_items.Get(CountLabel(side));
        badge.Text = QStringLiteral("\u2691 %1").arg(count);
        // Quiet while there is nothing to look at.
        badge.Color = count > 0 ? 0xffffffff : 0xff8a94a6;
        badge.Background = count > 0 ? RuleColour : 0;
    }
}

void TScreenFlags::MarkVisibleLines(int side)
{
    const TScreenHistory &history = side == 1 ? m_home : m_away;
    for (int k = 1; k <= TParquetixHistory::VisibleLines; ++k) {
        const int id = history.Table().Slots[size_t(k - 1)];
        // As of the last refresh: a redraw while recording does not catch up.
        const TFlag *flag = id < 0 ? nullptr : m_board.Shown(side, id);
        const bool flagged = flag != nullptr;
        const TColor colour = flagged && userOnly(*flag) ? UserColour : RuleColour;
        TScreenItem &mark = m_items.Get(LineMark(side, k));
        mark.Visible = flagged;
        mark.Fill = colour;
        mark.Color = colour;
        m_items.Get(TScreenHistory::LineLabel(side, k)).Color = flagged ? colour : 0xff000000;
    }
}

void TScreenFlags::GoTo(const TFlag &flag)
{
    TScreenHistory &history = flag.Side == 1 ? m_home : m_away;
    history.SelectId(flag.EventId);
    m_side = flag.Side;
    m_eventId = flag.EventId;
    ShowReason(Describe(flag));
    m_changed();
}

const TFlag *TScreenFlags::Next(int side)
{
    const TFlag *first = nullptr;
    const TFlag *next = nullptr;
    for (const TFlag &flag : Open()) {
        if (side != 0 && flag.Side != side)
            continue;
        // Event identifiers grow in the order recorded.
        if (!first || flag.EventId < first->EventId)
            first = &flag;
        const bool after = flag.EventId > m_eventId || (flag.EventId == m_eventId && flag.Side > m_side);
        if (after && (!next || flag.EventId < next->EventId))
            next = &flag;
    }
    return next ? next : first;
}

void TScreenFlags::LineSelected(int side, int eventId)
{
    m_side = side;
    m_eventId = eventId;
    const TFlag *flag = Find(side, eventId);
    if (flag)
        ShowReason(Describe(*flag));
    else
        HideReason();
}

QString TScreenFlags::Describe(const TFlag &flag) const
{
    QStringList reasons;
    for (TFlagReason reason : flag.Reasons)
        reasons.append(tr(FlagReasons::Text(reason)));
    return tr(QStringLiteral("%1, line %2: %3"))
        .arg(m_game.Team(flag.Side).Data.EgyesuletNev)
        .arg(flag.Line)
        .arg(reasons.join(QStringLiteral(", ")));
}

QStringList TScreenFlags::DescribeAll(const QList<TFlag> &flags, int limit) const
{
    QStringList lines;
    for (const TFlag &flag : flags) {
        if (lines.size() == limit) {
            lines.append(tr(QStringLiteral("... and %1 more")).arg(flags.size() - limit));
            break;
        }
        lines.append(Describe(flag));
    }
    return lines;
}

void TScreenFlags::ShowReason(const QString &text)
{
    TScreenItem &label = m_items.Get(ReasonLabel());
    label.Text = text;
    label.Visible = true;
    m_items.Get(QStringLiteral("shFlagReason")).Visible = true;
    m_reasonTimer.start(ReasonSeconds * 1000);
}

void TScreenFlags::HideReason()
{
    m_reasonTimer.stop();
    m_items.Get(ReasonLabel()).Visible = false;
    m_items.Get(QStringLiteral("shFlagReason")).Visible = false;
}

QString TScreenFlags::ReasonShown() const
{
    const TScreenItem *label = m_items.Find(ReasonLabel());
    return label && label->Visible ? label->Text : QString();
}
