#include "TGameScript.h"

#include "EventKinds.h"
#include "IScreenLink.h"
#include "TGame.h"

namespace {
const QStringList kShotKinds = {QStringLiteral("close"), QStringLiteral("mid"), QStringLiteral("three"),
                                QStringLiteral("freethrow"), QStringLiteral("dunk")};
}

TGameScript::TGameScript(TGame &game, IScreenLink &screen) : m_game(game), m_screen(screen)
{
}

bool TGameScript::fail(const QString &message)
{
    m_error = QStringLiteral("%1:%2: %3").arg(m_source).arg(m_line).arg(message);
    return false;
}

bool TGameScript::Tokenize(const QString &line, QStringList &words, QString *error)
{
    words.clear();
    QString current;
    bool inQuotes = false;
    bool hasWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            hasWord = true;
        } else if (!inQuotes && c == QLatin1Char('#')) {
            break;
        } else if (!inQuotes && c.isSpace()) {
            if (hasWord)
                words.append(current);
            current.clear();
            hasWord = false;
        } else {
            current += c;
            hasWord = true;
        }
    }
    if (inQuotes) {
        if (error)
            *error = QStringLiteral("unterminated quotes");
        return false;
    }
    if (hasWord)
        words.append(current);
    return true;
}

bool TGameScript::Run(const QString &text, const QString &sourceName)
{
    m_source = sourceName;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        if (!RunLine(lines[i], i + 1))
            return false;
    return true;
}

bool TGameScript::RunLine(const QString &line, int lineNumber)
{
    m_line = lineNumber;
    QStringList words;
    QString error;
    if (!Tokenize(line, words, &error))
        return fail(error);
    if (words.isEmpty())
        return true;
    if (!command(words))
        return false;
    if (AfterCommand)
        AfterCommand();
    return true;
}

int TGameScript::sideOf(const QString &word)
{
    if (word == QLatin1String("home"))
        return 1;
    if (word == QLatin1String("away"))
        return 2;
    return 0;
}

bool TGameScript::number(const QString &text, int &value, const QString &what)
{
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, text));
    return true;
}

// Finds the panel row showing the player with that jersey in a list.
static int rowOfJersey(const TPlayerList &list, int jersey, int firstRow)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->JatekosMezSzam == jersey)
            return firstRow + i;
    return -1;
}

bool TGameScript::command(const QStringList &w)
{
    const QString &cmd = w.first();
    auto needSide = [&](int minWords) -> int {
        if (w.size() < minWords) {
            fail(QStringLiteral("'%1' needs %2 arguments").arg(cmd).arg(minWords - 1));
            return 0;
        }
        const int side = sideOf(w[1]);
        if (side == 0)
            fail(QStringLiteral("'%1' needs home or away, not '%2'").arg(cmd, w[1]));
        return side;
    };
    // key=value pairs of the rest of the line
    auto pairs = [&](int from, QHash<QString, QString> &out) -> bool {
        for (int i = from; i < w.size(); ++i) {
            const qsizetype eq = w[i].indexOf(QLatin1Char('='));
            if (eq <= 0)
                return fail(QStringLiteral("expected key=value, not '%1'").arg(w[i]));
            out.insert(w[i].left(eq), w[i].mid(eq + 1));
        }
        return true;
    };

    if (cmd == QLatin1String("set")) {
        QHash<QString, QString> kv;
        if (w.size() < 2 || !pairs(1, kv))
            return w.size() < 2 ? fail(QStringLiteral("'set' needs KEY=VALUE")) : false;
        for (int i = 1; i < w.size(); ++i) {
            const qsizetype eq = w[i].indexOf(QLatin1Char('='));
            const QString key = w[i].left(eq).toUpper();
            const QString value = w[i].mid(eq + 1);
            if (key == QLatin1String("ANSWER")) {
                if (auto *p = dynamic_cast<TScriptPrompter *>(&m_game.Prompter()))
                    p->Answer = value.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
                continue;
            }
            QString error;
            if (!const_cast<TSettings &>(m_game.Settings()).SetValue(key, value, &error))
                return fail(error.isEmpty() ? QStringLiteral("unknown setting '%1'").arg(key) : error);
        }
        return true;
    }
    if (cmd == QLatin1String("game")) {
        QHash<QString, QString> kv;
        if (!pairs(1, kv))
            return false;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            const QString &k = it.key();
            const QString &v = it.value();
            int n = 0;
            if (k == QLatin1String("code"))
                m_game.GameCode = v;
            else if (k == QLatin1String("online"))
                m_game.Online = v == QLatin1String("1");
            else if (k == QLatin1String("date"))
                m_game.GameDate = v;
            else if (k == QLatin1String("time"))
                m_game.GameTime = v;
            else if (k == QLatin1String("stadium"))
                m_game.Stadium = v;
            else if (k == QLatin1String("attendance")) {
                if (!number(v, n, k))
                    return false;
                m_game.Attendance = n;
            } else if (k == QLatin1String("income")) {
                if (!number(v, n, k))
                    return false;
                m_game.Income = n;
            } else if (k == QLatin1String("referee1"))
                m_game.Referee1 = v;
            else if (k == QLatin1String("referee2"))
                m_game.Referee2 = v;
            else if (k == QLatin1String("referee3"))
                m_game.Referee3 = v;
            else if (k == QLatin1String("coach1"))
                m_game.HomeCoach = v;
            else if (k == QLatin1String("coach2"))
                m_game.AwayCoach = v;
            else
                return fail(QStringLiteral("unknown game field '%1'").arg(k));
        }
        return true;
    }
    if (cmd == QLatin1String("team")) {
        const int side = needSide(2);
        if (!side)
            return false;
        QHash<QString, QString> kv;
        if (!pairs(2, kv))
            return false;
        TTeamData &d = m_game.Team(side).Data;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int n = 0;
            if (it.key() == QLatin1String("id")) {
                if (!number(it.value(), n, it.key()))
                    return false;
                d.CsapatID = n;
            } else if (it.key() == QLatin1String("league")) {
                if (!number(it.value(), n, it.key()))
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
                return fail(QStringLiteral("unknown team field '%1'").arg(it.key()));
            }
        }
        d.Totals.ClearCounters();
        TTeam &team = m_game.Team(side);
        team.TeamLine.JatekosNev = m_game.Translate(QStringLiteral("Csapat"));
        team.TeamLine.CsapatID = d.CsapatID;
        team.TeamLine.LigaID = d.LigaID;
        team.TeamLine.WebID = d.WebID;
        return true;
    }
    if (cmd == QLatin1String("player")) {
        const int side = needSide(3);
        if (!side)
            return false;
        const QString place = w.last();
        if (place != QLatin1String("court") && place != QLatin1String("bench"))
            return fail(QStringLiteral("'player' ends with court or bench, not '%1'").arg(place));
        QHash<QString, QString> kv;
        for (int i = 2; i < w.size() - 1; ++i) {
            const qsizetype eq = w[i].indexOf(QLatin1Char('='));
            if (eq <= 0)
                return fail(QStringLiteral("expected key=value, not '%1'").arg(w[i]));
            kv.insert(w[i].left(eq), w[i].mid(eq + 1));
        }
        TTeam &team = m_game.Team(side);
        auto p = std::make_unique<TPlayer>();
        p->CsapatID = team.Data.CsapatID;
        p->LigaID = team.Data.LigaID;
        for (auto it = kv.cbegin(); it != kv.cend(); ++it) {
            int n = 0;
            const QString &k = it.key();
            if (k == QLatin1String("id") || k == QLatin1String("jersey") || k == QLatin1String("height") ||
                k == QLatin1String("weight")) {
                if (!number(it.value(), n, k))
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
                return fail(QStringLiteral("unknown player field '%1'").arg(k));
            }
        }
        if (!kv.contains(QStringLiteral("id")) || !kv.contains(QStringLiteral("jersey")))
            return fail(QStringLiteral("'player' needs id= and jersey="));
        PlayerStats::ClearStatistics(*p);
        if (place == QLatin1String("court")) {
            p->Starter = 1;
            team.AddToCourt(std::move(p));
        } else {
            team.AddToBench(std::move(p));
        }
        team.KepernyoMezokFeltoltese(m_screen);
        return true;
    }
    if (cmd == QLatin1String("length")) {
        int n = 0;
        if (w.size() != 2 || !number(w[1], n, QStringLiteral("length")))
            return w.size() != 2 ? fail(QStringLiteral("'length' needs MINUTES")) : false;
        if (n < 1 || n > 19)
            return fail(QStringLiteral("a period lasts 1 to 19 minutes, not %1").arg(n));
        m_game.SetPeriodLength(n);
        m_game.UpdateClockDisplay();
        return true;
    }
    if (cmd == QLatin1String("tick")) {
        m_game.AwayTeam().RecordEvent(2, Kind::ClockStep, 2);
        return true;
    }
    if (cmd == QLatin1String("minute")) {
        m_game.CompleteMinute();
        return true;
    }
    if (cmd == QLatin1String("periodend")) {
        m_game.AwayTeam().RecordEvent(2, Kind::PeriodEnd, 2);
        return true;
    }
    if (cmd == QLatin1String("close")) {
        // The wizard's end of the game: the game-closed message.
        m_game.SendGameClosed();
        return true;
    }
    if (cmd == QLatin1String("select")) {
        const int side = needSide(3);
        if (!side)
            return false;
        int jersey = 0;
        if (!number(w[2], jersey, QStringLiteral("jersey")))
            return false;
        TTeam &team = m_game.Team(side);
        const int row = rowOfJersey(team.OnCourt, jersey, 1);
        if (row < 0)
            return fail(QStringLiteral("no player with jersey %1 on court for the %2 team").arg(jersey).arg(w[1]));
        team.KepernyoMezokFeltoltese(m_screen);
        team.SetActivePlayer(row, m_screen);
        return true;
    }
    if (cmd == QLatin1String("teammode")) {
        const int side = needSide(2);
        if (!side)
            return false;
        TTeam &team = m_game.Team(side);
        team.ActiveIndex = -1;
        team.TeamEventMode = true;
        return true;
    }
    if (cmd == QLatin1String("event")) {
        const int side = needSide(3);
        int kind = 0;
        if (!side || !number(w[2], kind, QStringLiteral("kind")))
            return false;
        const int detail = kind == Kind::Timeout ? m_game.Period : 0;
        m_game.Team(side).RecordEvent(side, kind, detail);
        return true;
    }
    if (cmd == QLatin1String("shot")) {
        const int side = needSide(4);
        if (!side)
            return false;
        if (w[2] != QLatin1String("made") && w[2] != QLatin1String("missed"))
            return fail(QStringLiteral("'shot' needs made or missed, not '%1'").arg(w[2]));
        int shotKind = int(kShotKinds.indexOf(w[3]));
        if (shotKind >= 0) {
            shotKind += ShotKind::Close;
        } else if (!number(w[3], shotKind, QStringLiteral("shot kind"))) {
            return false;
        }
        if (shotKind < ShotKind::Close || shotKind > ShotKind::Dunk)
            return fail(QStringLiteral("unknown shot kind '%1'").arg(w[3]));
        int x = 0;
        int y = 0;
        if (w.size() >= 6) {
            if (!number(w[4], x, QStringLiteral("x")) || !number(w[5], y, QStringLiteral("y")))
                return false;
        } else if (shotKind != ShotKind::FreeThrow) {
            return fail(QStringLiteral("a field goal needs its court point X Y"));
        }
        m_game.Team(side).RecordEvent(side, w[2] == QLatin1String("made") ? Kind::ShotMade : Kind::ShotMissed,
                                      shotKind, x, y);
        return true;
    }
    if (cmd == QLatin1String("sub")) {
        const int side = needSide(4);
        int out = 0;
        int in = 0;
        if (!side || !number(w[2], out, QStringLiteral("jersey")) || !number(w[3], in, QStringLiteral("jersey")))
            return false;
        TTeam &team = m_game.Team(side);
        const int outRow = rowOfJersey(team.OnCourt, out, 1);
        const int inRow = rowOfJersey(team.Bench, in, 6);
        if (outRow < 0)
            return fail(QStringLiteral("no player with jersey %1 on court").arg(out));
        if (inRow < 0 || inRow > 15)
            return fail(QStringLiteral("no player with jersey %1 on the bench").arg(in));
        team.KepernyoMezokFeltoltese(m_screen);
        team.SetActivePlayer(outRow, m_screen);
        team.SetSubstitutionPlayer(inRow, m_screen);
        team.Substitute();
        team.KepernyoMezokFeltoltese(m_screen);
        return true;
    }
    if (cmd == QLatin1String("timeout")) {
        const int side = needSide(2);
        if (!side)
            return false;
        m_game.Team(side).RecordEvent(side, Kind::Timeout, m_game.Period);
        return true;
    }
    if (cmd == QLatin1String("type")) {
        const int side = needSide(3);
        int id = 0;
        if (!side || !number(w[2], id, QStringLiteral("type id")))
            return false;
        m_game.Team(side).SetEventType(id);
        return true;
    }
    if (cmd == QLatin1String("fastbreak") || cmd == QLatin1String("secondchance")) {
        const int side = needSide(2);
        if (!side)
            return false;
        TTeam &team = m_game.Team(side);
        if (cmd == QLatin1String("fastbreak"))
            team.SwitchFastBreak();
        else
            team.SwitchSecondChance();
        return true;
    }
    if (cmd == QLatin1String("defense")) {
        const int side = needSide(2);
        if (!side)
            return false;
        TTeam &team = m_game.Team(side);
        if (w.size() >= 3) {
            if (w[2] == QLatin1String("next"))
                team.CycleDefenseMode(1);
            else if (w[2] == QLatin1String("prev"))
                team.CycleDefenseMode(-1);
            else
                return fail(QStringLiteral("'defense' takes next or prev, not '%1'").arg(w[2]));
        }
        team.RecordEvent(side, Kind::DefenseMode, team.DefenseModeIndex);
        return true;
    }
    return fail(QStringLiteral("unknown command '%1'").arg(cmd));
}
