#include "TUpdateText.h"

#include "common/Win1250.h"

#include <QRegularExpression>

namespace {

// The fields of an item; missing ones are empty, the last runs to the end.
QStringList fields(const QString &item, int count)
{
    QStringList result;
    qsizetype from = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype bar = from <= item.size() ? item.indexOf(QLatin1Char('|'), from) : -1;
        if (bar < 0) {
            result << item.mid(from);
            from = item.size() + 1;
        } else {
            result << item.mid(from, bar - from);
            from = bar + 1;
        }
    }
    result << (from <= item.size() ? item.mid(from) : QString());
    return result;
}

QStringList items(const QString &section)
{
    QStringList result;
    for (const QString &item : section.split(QLatin1Char('*')))
        if (!item.isEmpty())
            result << item;
    return result;
}

} // namespace

QString TUpdateText::Clean(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("<br>|\\n|\\r"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString cleaned = text;
    cleaned.remove(breaks);
    return cleaned;
}

QString TUpdateText::Decode(const QByteArray &bytes)
{
    return Win1250::Decode(bytes);
}

QString TUpdateText::ShortName(const QString &name)
{
    const qsizetype space = name.indexOf(QLatin1Char(' '));
    if (space < 0)
        return name.left(2) + QLatin1Char('.');
    return name.left(space) + name.mid(space, 2) + QLatin1Char('.');
}

int TUpdateText::Number(const QString &field)
{
    bool ok = false;
    const int n = field.trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

TUpdateText TUpdateText::Parse(const QString &raw)
{
    TUpdateText result;
    const QString t = Clean(raw);
    const QString closing = QStringLiteral("####");
    qsizetype pos = 0;
    while (pos < t.size()) {
        const qsizetype star = t.indexOf(QLatin1Char('*'), pos);
        if (star < 0) {
            if (!t.mid(pos).trimmed().isEmpty())
                result.skipped << TSkippedPart{true, pos, t.mid(pos, 40)};
            break;
        }
        // Ends of the header, teams, players, games and staff.
        qsizetype ends[5] = {};
        bool shaped = true;
        qsizetype at = star + 1;
        for (int i = 0; i < 5 && shaped; ++i) {
            const qsizetype hash = at <= t.size() ? t.indexOf(QLatin1Char('#'), at) : -1;
            if (hash < 0) {
                shaped = false;
                break;
            }
            ends[i] = hash;
            at = hash + 1 + ((i >= 1 && i <= 3) ? 1 : 0);
        }
        if (shaped && t.mid(ends[4], 4) != closing)
            shaped = false;
        if (!shaped) {
            const qsizetype next = t.indexOf(closing, star);
            if (next < 0) {
                result.skipped << TSkippedPart{true, pos, t.mid(pos, 40)};
                break;
            }
            result.skipped << TSkippedPart{false, pos, t.mid(pos, 40)};
            pos = next + closing.size();
            continue;
        }

        TLeagueBlock block;
        const QStringList header = fields(t.mid(star + 1, ends[0] - star - 1), 2);
        block.webId = header.at(0);
        block.name = header.at(1);
        const qsizetype teamsFrom = ends[0] + 1;
        const qsizetype playersFrom = ends[1] + 2;
        const qsizetype gamesFrom = ends[2] + 2;
        const qsizetype staffFrom = ends[3] + 2;
        for (const QString &item : items(t.mid(teamsFrom, ends[1] - teamsFrom))) {
            const QStringList f = fields(item, 4);
            block.teams << TTeamItem{f.at(0), f.at(1), f.at(2), f.at(3)};
        }
        for (const QString &item : items(t.mid(playersFrom, ends[2] - playersFrom))) {
            const QStringList f = fields(item, 10);
            block.players << TPlayerItem{f.at(0), f.at(1), f.at(2), Number(f.at(3)), Number(f.at(4)),
                                         f.at(5), f.at(6), f.at(7), Number(f.at(8)), f.at(9)};
        }
        for (const QString &item : items(t.mid(gamesFrom, ends[3] - gamesFrom))) {
            const QStringList f = fields(item, 9);
            block.games << TGameItem{f.at(0), f.at(1), f.at(2), f.at(3), f.at(4),
                                     f.at(5), f.at(6), f.at(7), f.at(8)};
        }
        for (const QString &item : items(t.mid(staffFrom, ends[4] - staffFrom))) {
            const QStringList f = fields(item, 2);
            block.staff << TStaffItem{f.at(0), f.at(1)};
        }
        result.blocks << block;
        pos = ends[4] + closing.size();
    }
    return result;
}
