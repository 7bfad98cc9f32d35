#include "TSetTimeLogic.h"

#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/messages/LiveMessages.h"

TSetTimeLogic::TSetTimeLogic(TGame &game) : m_game(game), m_text(Shown(game.ClockDisplay)) {}

QString TSetTimeLogic::Shown(const QString &digits)
{
    return digits.left(2) + QLatin1Char(':') + digits.right(2);
}

bool TSetTimeLogic::Accepts(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(':');
}

QString TSetTimeLogic::Normalised(const QString &text, int periodLength)
{
    QString digits = text;
    digits.remove(QLatin1Char(':'));
    digits = (QStringLiteral("0000") + digits).right(4);
    // Compared as texts, as four digits compare.
    const QString longest =
        QStringLiteral("%1").arg(periodLength, 2, 10, QLatin1Char('0')) + QStringLiteral("00");
    if (periodLength > 0 && periodLength < 100 && digits > longest)
        digits = longest;
    return Shown(digits);
}

QString TSetTimeLogic::Preview() const
{
    const int length = periodLength();
    const QString ok = Normalised(m_text, length);
    QString text = m_game.Translate(QStringLiteral("OK sends %1, Enter sends %2 as typed.")).arg(ok, m_text);
    const QString uncapped = Normalised(m_text, 0);
    if (uncapped != ok)
        text +=
            QLatin1Char('\n') + m_game.Translate(QStringLiteral("%1 is longer than the period (%2 minutes)."))
                                    .arg(uncapped)
                                    .arg(length);
    return text;
}

void TSetTimeLogic::TypeOver(const QString &typed)
{
    QString text;
    for (const QChar c : typed)
        if (Accepts(c) && text.size() < MaxLength)
            text += c;
    m_text = text;
}

int TSetTimeLogic::periodLength() const
{
    return m_game.PeriodLength();
}

TGameEvent *TSetTimeLogic::Send()
{
    m_game.EventCounter += 1;
    TGameEvent *event = m_game.NewEvent(m_game.EventCounter, Kind::GameTimeSet, -1, Side::None);
    event->SetMessage(LiveMessages::GameTimeSet(m_game.Settings().ServerName(), event->Id, m_game.GameCode,
                                                m_text, m_game.Stamp()));
    m_game.QueueForResend(event);
    m_game.SaveGame();
    return event;
}
