#include "TScriptCall.h"

#include "model/corrections/TAddPlayerLogic.h"
#include "model/corrections/TEventCorrection.h"
#include "model/corrections/TSetTimeLogic.h"
#include "model/corrections/TSubstitutionsLogic.h"
#include "model/events/EventKinds.h"
#include "model/game/TGame.h"
#include "model/services/IScreenLink.h"

// The commands that set up a game: settings, game data, teams, players, period length.
namespace ScriptCommands {

bool runSet(TScriptCall &c)
{
    const QStringList &w = c.Words;
    QHash<QString, QString> kv;
    if (w.size() < 2)
        return c.Fail(QStringLiteral("'set' needs KEY=VALUE"));
    if (!c.Pairs(1, kv))
        return false;
    for (int i = 1; i < w.size(); ++i) {
        const qsizetype eq = w[i].indexOf(QLatin1Char('='));
        const QString key = w[i].left(eq).toUpper();
        const QString value = w[i].mid(eq + 1);
        if (key == QLatin1String("ANSWER")) {
            if (auto *p = dynamic_cast<TScriptPrompter *>(&c.Game().Prompter()))
                p->Answer = value.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
            continue;
        }
        QString error;
        if (!const_cast<TSettings &>(c.Game().Settings()).SetValue(key, value, &error))
            return c.Fail(error.isEmpty() ? QStringLiteral("unknown setting '%1'").arg(key) : error);
    }
    return true;
}

bool runGame(TScriptCall &c)
{
    QHash<QString, QString> kv;
    if (!c.Pairs(1, kv))
        return false;
    TGame &game = c.Game();
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        const QString &k = it.key();
        const QString &v = it.value();
        int n = 0;
        if (k == QLatin1String("code"))
            game.GameCode = v;
        else if (k == QLatin1String("online"))
            game.Online = v == QLatin1String("1");
        else if (k == QLatin1String("date"))
            game.GameDate = v;
        else if (k == QLatin1String("time"))
            game.GameTime = v;
        else if (k == QLatin1String("stadium"))
            game.Stadium = v;
        else if (k == QLatin1String("attendance")) {
            if (!c.Number(v, n, k))
                return false;
            game.Attendance = n;
        } else if (k == QLatin1String("income")) {
            if (!c.Number(v, n, k))
                return false;
            game.Income = n;
        } else if (k == QLatin1String("referee1"))
            game.Referee1 = v;
        else if (k == QLatin1String("referee2"))
            game.Referee2 = v;
        else if (k == QLatin1String("referee3"))
            game.Referee3 = v;
        else if (k == QLatin1String("coach1"))
            game.HomeCoach = v;
        else if (k == QLatin1String("coach2"))
            game.AwayCoach = v;
        else
            return c.Fail(QStringLiteral("unknown game field '%1'").arg(k));
    }
    return true;
}

bool runTeam(TScriptCall &c)
{
    QHash<QString, QString> kv;
    if (!c.Pairs(2, kv))
        return false;
    TTeam &team = c.Team();
    TTeamData &d = team.Data;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        int n = 0;
        if (it.key() == QLatin1String("id")) {
            if (!c.Number(it.value(), n, it.key()))
                return false;
            d.CsapatID = n;
        } else if (it.key() == QLatin1String("league")) {
            if (!c.Number(it.value(), n, it.key()))
                return false;
            d.LigaID = n;
        } else if (it.key() == QLatin1String("webid")) {
            d.WebID = it.value();
        } else if (it.key() == QLatin1String("name")) {
            d.EgyesuletNev = it.value();
        } else if (it.key() == QLatin1String("short")) {
            d.EgyesuletRovidNev = it.value();
        } else if (it.key() == QLatin1String("coach")) {
            d.EgyesuletEdzoNev = it.value();
        } else {
            return c.Fail(QStringLiteral("unknown team field '%1'").arg(it.key()));
        }
    }
    d.Totals.ClearCounters();
    team.TeamLine.JatekosNev = c.Game().Translate(QStringLiteral("Csapat"));
    team.TeamLine.CsapatID = d.CsapatID;
    team.TeamLine.LigaID = d.LigaID;
    team.TeamLine.WebID = d.WebID;
    return true;
}

bool runPlayer(TScriptCall &c)
{
    const QStringList &w = c.Words;
    const QString place = w.last();
    if (place != QLatin1String("court") && place != QLatin1String("bench"))
        return c.Fail(QStringLiteral("'player' ends with court or bench, not '%1'").arg(place));
    QHash<QString, QString> kv;
    if (!c.Pairs(2, w.size() - 1, kv))
        return false;
    TTeam &team = c.Team();
    auto p = std::make_unique<TPlayer>();
    p->CsapatID = team.Data.CsapatID;
    p->LigaID = team.Data.LigaID;
    for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
        int n = 0;
        const QString &k = it.key();
        if (k == QLatin1String("id") || k == QLatin1String("jersey") || k == QLatin1String("height") ||
            k == QLatin1String("weight")) {
            if (!c.Number(it.value(), n, k))
                return false;
            if (k == QLatin1String("id"))
                p->JatekosID = n;
            else if (k == QLatin1String("jersey"))
                p->JatekosMezSzam = n;
            else if (k == QLatin1String("height"))
                p->JatekosTestMagassag = n;
            else
                p->JatekosSuly = n;
        } else if (k == QLatin1String("webid")) {
            p->WebID = it.value();
        } else if (k == QLatin1String("name")) {
            p->JatekosNev = it.value();
        } else if (k == QLatin1String("short")) {
            p->JatekosRovidNev = it.value();
        } else if (k == QLatin1String("country")) {
            p->JatekosOrszagID = it.value();
        } else if (k == QLatin1String("position")) {
            p->JatekosPoszt = it.value();
        } else {
            return c.Fail(QStringLiteral("unknown player field '%1'").arg(k));
        }
    }
    if (!kv.contains(QStringLiteral("id")) || !kv.contains(QStringLiteral("jersey")))
        return c.Fail(QStringLiteral("'player' needs id= and jersey="));
    PlayerStats::ClearStatistics(*p);
    if (place == QLatin1String("court")) {
        p->Starter = 1;
        team.AddToCourt(std::move(p));
    } else {
        team.AddToBench(std::move(p));
    }
    team.KepernyoMezokFeltoltese(c.Screen());
    return true;
}

bool runLength(TScriptCall &c)
{
    const QStringList &w = c.Words;
    int n = 0;
    if (w.size() != 2)
        return c.Fail(QStringLiteral("'length' needs MINUTES"));
    if (!c.Number(w[1], n, QStringLiteral("length")))
        return false;
    if (n < 1 || n > 19)
        return c.Fail(QStringLiteral("a period lasts 1 to 19 minutes, not %1").arg(n));
    c.Game().SetPeriodLength(n);
    c.Game().UpdateClockDisplay();
    return true;
}

} // namespace ScriptCommands
