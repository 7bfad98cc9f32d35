// parquetix-cli db add|edit|join|leave: the master data dialogs' logic on the
// command line. A failed check prints the message of the dialog's check and
// exits non-zero with nothing stored.

#include "DbSession.h"

#include "masterdata/editing/TMasterStatements.h"
#include "masterdata/editing/TRowDelete.h"
#include "masterdata/editing/TRowEdit.h"

namespace {

const char *const kEditUsage =
    "usage: parquetix-cli db add league NAME\n"
    "       parquetix-cli db add team NAME [--short S --colour C --coach C --phone P --stadium S\n"
    "                         --stadium-phone P --capacity N --president P --technical T --native N]\n"
    "       parquetix-cli db add player NAME [--short S --birth YYYYMMDD --height N --weight N --position P\n"
    "                         --jersey N --webid W --native N]\n"
    "       parquetix-cli db add game --league ID --home ID --away ID [--date D --day D --hour H --code C\n"
    "                         --referee1 R --referee2 R --referee3 R]\n"
    "       parquetix-cli db edit league|team|player|game ID FIELD=VALUE ...\n"
    "       parquetix-cli db join team LEAGUE TEAM      parquetix-cli db leave team LEAGUE TEAM\n"
    "       parquetix-cli db join player LEAGUE TEAM PLAYER\n"
    "       parquetix-cli db leave player LEAGUE TEAM PLAYER\n"
    "       parquetix-cli db delete league|team|player|game ID   (refused while other rows refer to it)\n"
    "       (each also takes --lang CODE for the language of its messages)\n";

// The kind named by the word after the subcommand; false for any other word.
bool kindOf(const QStringList &args, TMasterKind *kind)
{
    const QString word = args.size() > 1 ? args.at(1) : QString();
    const QList<QPair<const char *, TMasterKind>> words{{"league", TMasterKind::League},
                                                        {"team", TMasterKind::Team},
                                                        {"player", TMasterKind::Player},
                                                        {"game", TMasterKind::Game}};
    for (const auto &w : words)
        if (word == QLatin1String(w.first)) {
            *kind = w.second;
            return true;
        }
    return false;
}

int usage(QTextStream &err, const QString &problem = {})
{
    if (!problem.isEmpty())
        err << "db: " << problem << "\n";
    err << kEditUsage;
    return 2;
}

// Runs the checks and saves; prints the row's identifier (and what the save chose).
int checkAndSave(TDbSession &session, TRowEdit &edit, const QString &verb, QTextStream &out, QTextStream &err)
{
    const QString failed = edit.FailedCheckText(session.messages);
    if (!failed.isEmpty()) {
        err << failed << "\n";
        return 1;
    }
    const QString problem = edit.ChoiceProblem();
    if (!problem.isEmpty()) {
        err << "db " << verb << ": " << problem << "\n";
        return 1;
    }
    if (!edit.Save()) {
        err << "db " << verb << ": " << edit.LastError() << "\n";
        return 1;
    }
    out << TRowEdit::Table(edit.Kind()) << " " << edit.Id();
    if (edit.Kind() == TMasterKind::Player)
        out << " web id " << edit.Field(QStringLiteral("WebID")) << " born "
            << edit.Field(QStringLiteral("Szuletes"));
    if (edit.Kind() == TMasterKind::Game)
        out << " game code " << edit.Field(QStringLiteral("MerkozesKod"));
    out << (verb == QLatin1String("add") ? " added\n" : " saved\n");
    return 0;
}

bool parseId(const QString &text, int *id)
{
    bool ok = false;
    *id = text.toInt(&ok);
    return ok && *id > 0;
}

int runAdd(const QStringList &args, QTextStream &out, QTextStream &err)
{
    TMasterKind kind = TMasterKind::League;
    if (!kindOf(args, &kind))
        return usage(err);
    QStringList valued{QStringLiteral("--lang")};
    for (const TRowEdit::TField &f : TRowEdit::Fields(kind))
        if (f.option != QLatin1String("name"))
            valued << QStringLiteral("--") + f.option;
    const TArgs a(args.mid(2), valued, {});
    const int names = kind == TMasterKind::Game ? 0 : 1;
    if (!a.error.isEmpty() || a.positional.size() != names)
        return usage(err, a.error);

    TDbSession session(a.options.value(QStringLiteral("--lang")));
    if (!session.open(err))
        return 1;
    TRowEdit edit(session.dm, kind);
    edit.StartInsert();
    if (names)
        edit.SetField(TRowEdit::Fields(kind).first().column, a.positional.first());
    for (const TRowEdit::TField &f : TRowEdit::Fields(kind)) {
        const QString option = QStringLiteral("--") + f.option;
        if (a.options.contains(option))
            edit.SetField(f.column, a.options.value(option));
    }
    return checkAndSave(session, edit, QStringLiteral("add"), out, err);
}

int runEdit(const QStringList &args, QTextStream &out, QTextStream &err)
{
    TMasterKind kind = TMasterKind::League;
    const bool known = kindOf(args, &kind);
    const TArgs a(args.mid(2), {QStringLiteral("--lang")}, {});
    int id = 0;
    if (!known || !a.error.isEmpty() || a.positional.size() < 2 || !parseId(a.positional.first(), &id))
        return usage(err, a.error);
    QList<QPair<QString, QString>> changes;
    for (const QString &assignment : a.positional.mid(1)) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        const QString column = eq > 0 ? TRowEdit::ColumnFor(kind, assignment.left(eq)) : QString();
        if (column.isEmpty()) {
            QStringList known;
            for (const TRowEdit::TField &f : TRowEdit::Fields(kind))
                known << f.column + QLatin1Char('|') + f.option;
            return usage(err, QStringLiteral("'%1' is not FIELD=VALUE with a field of %2: %3")
                                  .arg(assignment, args.at(1), known.join(QLatin1String(", "))));
        }
        changes << qMakePair(column, assignment.mid(eq + 1));
    }

    TDbSession session(a.options.value(QStringLiteral("--lang")));
    if (!session.open(err))
        return 1;
    TRowEdit edit(session.dm, kind);
    if (!edit.StartEdit(id)) {
        err << "db edit: " << edit.LastError() << "\n";
        return 1;
    }
    for (const auto &change : changes)
        edit.SetField(change.first, change.second);
    return checkAndSave(session, edit, QStringLiteral("edit"), out, err);
}

// db join|leave team LEAGUE TEAM, db join|leave player LEAGUE TEAM PLAYER: the
// assignment dialogs' arrows, refused when the dialog would not offer the entry.
int runJoin(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool join = args.first() == QLatin1String("join");
    const QString what = args.size() > 1 ? args.at(1) : QString();
    const TArgs a(args.mid(2), {QStringLiteral("--lang")}, {});
    const qsizetype wanted = what == QLatin1String("team") ? 2 : what == QLatin1String("player") ? 3 : -1;
    QList<int> ids;
    for (const QString &p : a.positional) {
        int id = 0;
        if (!parseId(p, &id))
            return usage(err, QStringLiteral("'%1' is not an identifier").arg(p));
        ids << id;
    }
    if (!a.error.isEmpty() || wanted < 0 || ids.size() != wanted)
        return usage(err, a.error);

    TDbSession session(a.options.value(QStringLiteral("--lang")));
    if (!session.open(err))
        return 1;
    TMasterStatements statements(session.dm);
    const QString verb = QStringLiteral("db %1 %2: ").arg(args.first(), what);
    auto failed = [&](const QString &why) {
        err << verb << why << "\n";
        return 1;
    };
    auto storage = [&]() { return failed(statements.LastError()); };

    const TIDList leagues = statements.Leagues();
    if (!statements.LastError().isEmpty())
        return storage();
    const int league = IndexOfId(leagues, ids.at(0));
    if (league < 0)
        return failed(QStringLiteral("there is no league %1").arg(ids.at(0)));
    const TIDObject leagueObject = leagues.at(league).Object;
    const TIDList members = statements.TeamsOfLeague(leagueObject.ID);
    if (!statements.LastError().isEmpty())
        return storage();
    const int member = IndexOfId(members, ids.at(1));

    if (wanted == 2) {
        if (join) {
            const TIDList available = statements.TeamsNotInLeague(leagueObject.ID);
            const int team = IndexOfId(available, ids.at(1));
            if (team < 0)
                return failed(
                    member >= 0
                        ? QStringLiteral("team %1 is already in league %2").arg(ids.at(1)).arg(ids.at(0))
                        : QStringLiteral("there is no team %1").arg(ids.at(1)));
            if (!statements.JoinTeam(leagueObject, available.at(team).Object))
                return storage();
            out << "Team " << ids.at(1) << " joined league " << ids.at(0) << "\n";
        } else {
            if (member < 0)
                return failed(QStringLiteral("team %1 is not in league %2").arg(ids.at(1)).arg(ids.at(0)));
            if (!statements.RemoveTeam(leagueObject, members.at(member).Object))
                return storage();
            out << "Team " << ids.at(1) << " left league " << ids.at(0) << " with its roster there\n";
        }
        return 0;
    }

    if (member < 0)
        return failed(QStringLiteral("team %1 is not in league %2").arg(ids.at(1)).arg(ids.at(0)));
    const TIDObject teamObject = members.at(member).Object;
    if (join) {
        const TIDList available = statements.PlayersOnNoTeam(leagueObject.ID);
        if (!statements.LastError().isEmpty())
            return storage();
        const int player = IndexOfId(available, ids.at(2));
        if (player < 0)
            return failed(QStringLiteral("player %1 does not exist or is on a team of league %2 already")
                              .arg(ids.at(2))
                              .arg(ids.at(0)));
        if (!statements.JoinPlayer(leagueObject, teamObject, available.at(player).Object))
            return storage();
        out << "Player " << ids.at(2) << " joined team " << ids.at(1) << " in league " << ids.at(0) << "\n";
    } else {
        const TIDList players = statements.PlayersOfTeam(leagueObject.ID, teamObject.ID);
        if (!statements.LastError().isEmpty())
            return storage();
        const int player = IndexOfId(players, ids.at(2));
        if (player < 0)
            return failed(QStringLiteral("player %1 is not on team %2 in league %3")
                              .arg(ids.at(2))
                              .arg(ids.at(1))
                              .arg(ids.at(0)));
        if (!statements.RemovePlayer(leagueObject, teamObject, players.at(player).Object))
            return storage();
        out << "Player " << ids.at(2) << " left team " << ids.at(1) << " in league " << ids.at(0) << "\n";
    }
    return 0;
}

// db delete KIND ID: the list dialogs' Delete, without the question.
int runDelete(const QStringList &args, QTextStream &out, QTextStream &err)
{
    TMasterKind kind = TMasterKind::League;
    const bool known = kindOf(args, &kind);
    const TArgs a(args.mid(2), {QStringLiteral("--lang")}, {});
    int id = 0;
    if (!known || !a.error.isEmpty() || a.positional.size() != 1 || !parseId(a.positional.first(), &id))
        return usage(err, a.error);
    TDbSession session(a.options.value(QStringLiteral("--lang")));
    if (!session.open(err))
        return 1;
    TRowDelete deletion(session.dm, session.translator());
    if (!deletion.Delete(kind, id)) {
        err << "db delete: " << deletion.LastError() << "\n";
        return 1;
    }
    out << TRowEdit::Table(kind) << " " << id << " deleted\n";
    return 0;
}

} // namespace

int runDbEdit(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString sub = args.first();
    if (sub == QLatin1String("add"))
        return runAdd(args, out, err);
    if (sub == QLatin1String("edit"))
        return runEdit(args, out, err);
    if (sub == QLatin1String("delete"))
        return runDelete(args, out, err);
    return runJoin(args, out, err);
}
