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

// The first problem among an item's web identifiers and fields, with the
// field it is in.
struct TCheck
{
    std::optional<TUpdateText::TReason> reason;
    QString field;

    void webId(const QString &name, const QString &value, bool required)
    {
        if (!reason && (reason = TUpdateText::WebIdProblem(value, required)))
            field = name;
    }
    void texts(const QStringList &names, const QStringList &values)
    {
        for (qsizetype i = 0; !reason && i < values.size(); ++i)
            if (TUpdateText::HasControlCharacter(values.at(i))) {
                reason = TUpdateText::TReason::ControlCharacter;
                field = names.value(i);
            }
    }
};

QString label(const QString &webId, const QString &name)
{
    return name.isEmpty() ? webId : webId + QStringLiteral(" (") + name + QLatin1Char(')');
}

} // namespace

std::optional<TUpdateText::TReason> TUpdateText::WebIdProblem(const QString &webId, bool required)
{
    if (webId.isEmpty())
        return required ? std::optional<TReason>(TReason::NoWebId) : std::nullopt;
    for (const QChar c : webId)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_') && c != QLatin1Char('.'))
            return TReason::BadWebId;
    if (webId.size() > WebIdChars)
        return TReason::LongWebId;
    return std::nullopt;
}

bool TUpdateText::HasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return true;
    return false;
}

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
        TCheck league;
        league.webId(QStringLiteral("web identifier"), block.webId, true);
        league.texts({QStringLiteral("web identifier"), QStringLiteral("name")}, header);
        if (!league.reason && block.name.trimmed().isEmpty())
            league = TCheck{TReason::NoName, QStringLiteral("name")};
        if (league.reason) {
            result.refused << TRefusal{TKind::League, *league.reason, label(block.webId, block.name),
                                       league.field};
            pos = ends[4] + closing.size();
            continue;
        }
        const auto refuse = [&](TKind kind, const TCheck &check, const QString &item) {
            result.refused << TRefusal{kind, *check.reason, item, check.field};
        };
        const qsizetype teamsFrom = ends[0] + 1;
        const qsizetype playersFrom = ends[1] + 2;
        const qsizetype gamesFrom = ends[2] + 2;
        const qsizetype staffFrom = ends[3] + 2;
        for (const QString &item : items(t.mid(teamsFrom, ends[1] - teamsFrom))) {
            const QStringList f = fields(item, 4);
            TCheck check;
            check.webId(QStringLiteral("web identifier"), f.at(0), true);
            check.texts({QStringLiteral("web identifier"), QStringLiteral("name"),
                         QStringLiteral("short name"), QStringLiteral("native name")},
                        f);
            if (check.reason)
                refuse(TKind::Team, check, label(f.at(0), f.at(1)));
            else
                block.teams << TTeamItem{f.at(0), f.at(1), f.at(2), f.at(3)};
        }
        for (const QString &item : items(t.mid(playersFrom, ends[2] - playersFrom))) {
            const QStringList f = fields(item, 10);
            TCheck check;
            check.webId(QStringLiteral("web identifier"), f.at(0), true);
            check.webId(QStringLiteral("team web identifier"), f.at(7), false);
            check.texts({QStringLiteral("web identifier"), QStringLiteral("name"),
                         QStringLiteral("birth date"), QStringLiteral("height"), QStringLiteral("weight"),
                         QStringLiteral("position"), QStringLiteral("country code"),
                         QStringLiteral("team web identifier"), QStringLiteral("jersey number"),
                         QStringLiteral("native name")},
                        f);
            if (check.reason)
                refuse(TKind::Player, check, label(f.at(0), f.at(1)));
            else
                block.players << TPlayerItem{f.at(0), f.at(1), f.at(2), Number(f.at(3)), Number(f.at(4)),
                                             f.at(5), f.at(6), f.at(7), Number(f.at(8)), f.at(9)};
        }
        for (const QString &item : items(t.mid(gamesFrom, ends[3] - gamesFrom))) {
            const QStringList f = fields(item, 9);
            TCheck check;
            check.webId(QStringLiteral("home team web identifier"), f.at(0), false);
            check.webId(QStringLiteral("away team web identifier"), f.at(1), false);
            check.texts({QStringLiteral("home team web identifier"),
                         QStringLiteral("away team web identifier"), QStringLiteral("date"),
                         QStringLiteral("weekday"), QStringLiteral("hour"), QStringLiteral("game code"),
                         QStringLiteral("first referee"), QStringLiteral("second referee"),
                         QStringLiteral("third referee")},
                        f);
            if (check.reason)
                refuse(TKind::Game, check, label(f.at(5), f.at(0) + QLatin1Char('-') + f.at(1)));
            else
                block.games << TGameItem{f.at(0), f.at(1), f.at(2), f.at(3), f.at(4),
                                         f.at(5), f.at(6), f.at(7), f.at(8)};
        }
        for (const QString &item : items(t.mid(staffFrom, ends[4] - staffFrom))) {
            const QStringList f = fields(item, 2);
            TCheck check;
            check.texts({QStringLiteral("name"), QStringLiteral("type")}, f);
            if (check.reason)
                refuse(TKind::Staff, check, f.at(0));
            else
                block.staff << TStaffItem{f.at(0), f.at(1)};
        }
        result.blocks << block;
        pos = ends[4] + closing.size();
    }
    return result;
}
