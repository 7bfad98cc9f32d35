#include "TCourtScreen.h"

#include "IScreenHost.h"
#include "model/game/TGame.h"
#include "model/output/TPeriodNames.h"
#include "model/services/Services.h"

namespace {

// The game's translation, for the period names.
class TGameTranslation : public ITranslator
{
public:
    explicit TGameTranslation(const TGame &game) : m_game(game) {}
    QString Translate(const QString &text, const QString &section) override
    {
        return m_game.Translate(text, section);
    }

private:
    const TGame &m_game;
};

const QString NothingSelected =
    QStringLiteral("Select a history line first: F5 goes to the next flagged one");

} // namespace

bool TCourtScreen::NextFlag(int side)
{
    if (const TFlag *flag = m_flags.Next(side)) {
        m_flags.GoTo(*flag);
        return true;
    }
    if (side == 0) {
        for (int period = 1; period <= m_game.PeriodsEnded; ++period) {
            if (!m_game.Review.Confirmation(period)) {
                AskPeriodScore(period);
                return true;
            }
        }
    }
    m_flags.ShowReason(side == 0 ? tr(QStringLiteral("No open flags"))
                                 : tr(QStringLiteral("No open flags: %1")).arg(team(side).Data.EgyesuletNev));
    Touch();
    return false;
}

void TCourtScreen::flagDecided(const QString &done, const QString &error)
{
    if (!error.isEmpty()) {
        ShowNotice(error);
        return;
    }
    m_game.SaveGame();
    m_flags.Invalidate();
    m_flags.Refresh();
    m_flags.ShowReason(done);
    Touch();
}

void TCourtScreen::DismissFlag()
{
    const int side = m_flags.CurrentSide();
    const int id = side == 0 ? -1 : History(side).SelectedId();
    const TFlag *open = id < 0 ? nullptr : m_flags.Find(side, id);
    if (!open) {
        ShowNotice(id < 0 ? NothingSelected : QStringLiteral("This line has no open flag"));
        return;
    }
    const TFlag flag = *open;
    QString error;
    for (TFlagReason reason : flag.Reasons)
        if (!TFlagRule::Dismiss(m_game, id, reason, &error))
            break;
    flagDecided(tr(QStringLiteral("Dismissed: %1")).arg(m_flags.Describe(flag)), error);
}

void TCourtScreen::ToggleMark()
{
    int side = m_flags.CurrentSide();
    if (side == 0)
        side = History(1).SelectedId() != -1 ? 1 : 2;
    const int id = History(side).SelectedId();
    if (id < 0) {
        ShowNotice(NothingSelected);
        return;
    }
    const int line = History(side).Log().Find(id) ? History(side).Log().Find(id)->Number : 0;
    QString error;
    if (m_game.Review.IsMarked(id)) {
        TFlagRule::Dismiss(m_game, id, TFlagReason::User, &error);
        flagDecided(
            tr(QStringLiteral("%1, line %2: mark taken off")).arg(team(side).Data.EgyesuletNev).arg(line),
            error);
        return;
    }
    if (!TFlagRule::Mark(m_game, id, &error)) {
        ShowNotice(error);
        return;
    }
    flagDecided(QString(), error);
    m_flags.LineSelected(side, id);
    Touch();
}

QString TCourtScreen::PeriodScoreText(int period)
{
    TGameTranslation translation(m_game);
    const QString name = TPeriodNames::Name(m_game, period, translation, QStringLiteral("FORM"));
    const TGame::Score score = m_game.PeriodScore(period);
    const TScoreConfirmation total = TFlagRule::ScoreAfter(m_game, period);
    const QString home = team(1).Data.EgyesuletNev;
    const QString away = team(2).Data.EgyesuletNev;
    QStringList lines;
    lines << tr(QStringLiteral("End of %1")).arg(name) << QString()
          << QStringLiteral("%1 – %2").arg(home, away)
          << tr(QStringLiteral("Score of the period: %1 : %2")).arg(score.Home).arg(score.Away)
          << tr(QStringLiteral("Score of the game: %1 : %2")).arg(total.Home).arg(total.Away) << QString();
    const QList<TFlag> open = m_flags.OpenOfPeriod(period);
    if (open.isEmpty()) {
        lines << tr(QStringLiteral("No open flags in the period."));
    } else {
        lines << tr(QStringLiteral("Open flags of the period: %1")).arg(open.size());
        lines << m_flags.DescribeAll(open);
    }
    lines << QString() << tr(QStringLiteral("Confirm the score, or Edit to go to the history first."));
    return lines.join(QLatin1Char('\n'));
}

bool TCourtScreen::AskPeriodScore(int period)
{
    const QString text = PeriodScoreText(period);
    const int answer = m_host ? m_host->ConfirmScore(text) : -1;
    const bool confirmed = answer < 0 ? m_game.Prompter().Confirm(text) : answer == 1;
    if (confirmed) {
        QString error;
        TFlagRule::ConfirmPeriod(m_game, period, &error);
        const TScoreConfirmation total = TFlagRule::ScoreAfter(m_game, period);
        flagDecided(tr(QStringLiteral("Score confirmed: %1 : %2")).arg(total.Home).arg(total.Away), error);
        return error.isEmpty();
    }
    const QList<TFlag> open = m_flags.OpenOfPeriod(period);
    if (!open.isEmpty())
        m_flags.GoTo(open.first());
    else
        m_flags.ShowReason(tr(QStringLiteral("The score is not confirmed: F5 asks again")));
    Touch();
    return false;
}
