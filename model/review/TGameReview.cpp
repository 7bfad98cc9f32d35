#include "TGameReview.h"

#include <QStringList>
#include <algorithm>

void TGameReview::Clear()
{
    if (IsEmpty())
        return;
    m_marks.clear();
    m_dismissals.clear();
    m_confirmations.clear();
    ++m_revision;
}

bool TGameReview::Mark(int eventId)
{
    if (m_marks.contains(eventId))
        return false;
    m_marks.append(eventId);
    ++m_revision;
    return true;
}

bool TGameReview::Unmark(int eventId)
{
    if (!m_marks.removeOne(eventId))
        return false;
    ++m_revision;
    return true;
}

bool TGameReview::Dismiss(int eventId, TFlagReason reason)
{
    if (IsDismissed(eventId, reason))
        return false;
    m_dismissals.append({eventId, reason});
    ++m_revision;
    return true;
}

bool TGameReview::Undismiss(int eventId, TFlagReason reason)
{
    if (!m_dismissals.removeOne(TFlagDismissal{eventId, reason}))
        return false;
    ++m_revision;
    return true;
}

bool TGameReview::IsDismissed(int eventId, TFlagReason reason) const
{
    return m_dismissals.contains(TFlagDismissal{eventId, reason});
}

void TGameReview::Confirm(int period, int home, int away)
{
    const TScoreConfirmation confirmation{period, home, away};
    auto at = std::find_if(m_confirmations.begin(), m_confirmations.end(),
                           [period](const TScoreConfirmation &c) { return c.Period == period; });
    if (at != m_confirmations.end())
        *at = confirmation;
    else
        m_confirmations.append(confirmation);
    std::sort(m_confirmations.begin(), m_confirmations.end(),
              [](const TScoreConfirmation &a, const TScoreConfirmation &b) { return a.Period < b.Period; });
    ++m_revision;
}

const TScoreConfirmation *TGameReview::Confirmation(int period) const
{
    for (const TScoreConfirmation &c : m_confirmations)
        if (c.Period == period)
            return &c;
    return nullptr;
}

QString TGameReview::ToText() const
{
    QString text;
    for (int id : m_marks)
        text += QStringLiteral("mark %1\n").arg(id);
    for (const TFlagDismissal &d : m_dismissals)
        text += QStringLiteral("dismiss %1 %2\n").arg(d.EventId).arg(FlagReasons::Key(d.Reason));
    for (const TScoreConfirmation &c : m_confirmations)
        text += QStringLiteral("confirm %1 %2 %3\n").arg(c.Period).arg(c.Home).arg(c.Away);
    return text;
}

namespace {

bool toNumbers(const QStringList &words, int from, int count, QList<int> &out)
{
    if (words.size() != from + count)
        return false;
    for (int i = from; i < words.size(); ++i) {
        bool ok = false;
        const int n = words[i].toInt(&ok);
        if (!ok || n < 0)
            return false;
        out.append(n);
    }
    return true;
}

} // namespace

bool TGameReview::FromText(const QString &text, QString *error)
{
    TGameReview read;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QList<int> n;
        TFlagReason reason{};
        bool ok = false;
        if (words[0] == QLatin1String("mark"))
            ok = toNumbers(words, 1, 1, n) && (read.Mark(n[0]) || true);
        else if (words[0] == QLatin1String("dismiss"))
            ok = words.size() == 3 && toNumbers(words.mid(0, 2), 1, 1, n) &&
                 FlagReasons::FromKey(words[2], &reason) && (read.Dismiss(n[0], reason) || true);
        else if (words[0] == QLatin1String("confirm"))
            ok = toNumbers(words, 1, 3, n) && n[0] >= 1 && (read.Confirm(n[0], n[1], n[2]), true);
        if (!ok) {
            if (error)
                *error = QStringLiteral("line %1: cannot read \"%2\"").arg(i + 1).arg(line);
            return false;
        }
    }
    m_marks = read.m_marks;
    m_dismissals = read.m_dismissals;
    m_confirmations = read.m_confirmations;
    ++m_revision;
    return true;
}
