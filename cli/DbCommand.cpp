// parquetix-cli db ...: the master data of the application home.
//   db init                              create or upgrade the database
//   db list leagues|teams|players|games|staff|languages [--lang CODE]
//   db import-update FILE [--utf8]        merge an update text from a file
//   db update --server URL [--code CODE] [--proxy HOST:PORT] [--proxy-user U] [--proxy-password P]
//   db empty --yes                        restore the pristine master data
//   db add|edit|join|leave|delete ...     edit leagues, clubs, players, games and joins (DbEdit.cpp)

#include "CliCommand.h"
#include "CliHome.h"
#include "DbSession.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TSchema.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TRowEdit.h"
#include "model/services/Services.h"
#include "transmission/TUpdateDownloader.h"

#include "common/TGuardedFile.h"

#include <QFile>
#include <memory>

namespace {

const char *const kUsage =
    "usage: parquetix-cli db init\n"
    "       parquetix-cli db list leagues|teams|players|games|staff|languages [--lang CODE]\n"
    "       parquetix-cli db import-update FILE [--utf8] [--lang CODE]\n"
    "       parquetix-cli db update --server URL [--code CODE] [--proxy HOST:PORT] [--proxy-user USER]\n"
    "                               [--proxy-password PASSWORD] [--lang CODE]\n"
    "       parquetix-cli db empty --yes\n"
    "       parquetix-cli db add|edit|join|leave|delete ... (db add without arguments lists them)\n";

// Columns as a table with a heading line, each column as wide as its widest cell.
void printTable(QTextStream &out, const QStringList &headings, const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QString &h : headings)
        widths << h.size();
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], int(row.at(c).size()));
    auto line = [&](const QStringList &cells) {
        QString text;
        for (int c = 0; c < cells.size(); ++c)
            text += (c ? QStringLiteral("  ") : QString()) +
                    (c + 1 < cells.size() ? cells.at(c).leftJustified(widths[c]) : cells.at(c));
        out << text << "\n";
    };
    line(headings);
    QStringList rule;
    for (int w : widths)
        rule << QString(w, QLatin1Char('-'));
    line(rule);
    for (const QStringList &row : rows)
        line(row);
    out << rows.size() << " row(s)\n";
}

int listTable(TDbSession &session, const QString &what, QTextStream &out, QTextStream &err)
{
    TdmMain &dm = session.dm;
    auto n = [](int v) { return QString::number(v); };
    auto L = [&](const char *table, const char *column) { return session.label(table, column); };
    QList<QStringList> rows;
    QStringList headings;
    if (what == QLatin1String("leagues")) {
        headings = {L("League", "LigaID"), L("League", "WebID"), L("League", "LigaNev"),
                    L("League", "MusorLetezik")};
        for (const TLeagueRow &r : dm.Leagues())
            rows << QStringList{n(r.LigaID), r.WebID, r.LigaNev, r.MusorLetezik};
    } else if (what == QLatin1String("teams")) {
        headings = {L("Team", "CsapatID"),         L("Team", "WebID"),
                    L("Team", "EgyesuletNev"),     L("Team", "EgyesuletRovidNev"),
                    L("Team", "EgyesuletEdzoNev"), L("Team", "EgyesuletEredetiNev")};
        for (const TTeamRow &r : dm.Teams())
            rows << QStringList{n(r.CsapatID),      r.WebID,
                                r.EgyesuletNev,     r.EgyesuletRovidNev,
                                r.EgyesuletEdzoNev, r.EgyesuletEredetiNev};
    } else if (what == QLatin1String("players")) {
        headings = {L("Player", "JatekosID"),           L("Player", "WebID"),
                    L("Player", "JatekosNev"),          L("Player", "JatekosRovidNev"),
                    L("Player", "JatekosMezSzam"),      L("Player", "Szuletes"),
                    L("Player", "JatekosTestMagassag"), L("Player", "JatekosSuly"),
                    L("Player", "JatekosPoszt"),        L("Player", "JatekosOrszagID")};
        for (const TPlayerRow &r : dm.Players())
            rows << QStringList{n(r.JatekosID),
                                r.WebID,
                                r.JatekosNev,
                                r.JatekosRovidNev,
                                n(r.JatekosMezSzam),
                                r.Szuletes,
                                n(r.JatekosTestMagassag),
                                n(r.JatekosSuly),
                                r.JatekosPoszt,
                                r.JatekosOrszagID};
    } else if (what == QLatin1String("games")) {
        headings = {L("Game", "ID"),
                    L("Game", "Datum"),
                    L("Game", "Nap"),
                    L("Game", "Ora"),
                    L("Game", "MerkozesKod"),
                    L("League", "LigaNev"),
                    L("Game", "HazaiCsapatID"),
                    L("Game", "VendegCsapatID"),
                    L("Game", "Biro1"),
                    L("Game", "Biro2"),
                    L("Game", "Biro3")};
        for (const TGameRow &r : dm.Schedule())
            rows << QStringList{n(r.ID),
                                r.Datum,
                                TRowEdit::Weekday(r.Datum, r.Nap, dm.NameCollator().locale()),
                                r.Ora,
                                r.MerkozesKod,
                                r.LigaNev,
                                r.HazaiCsapatNev,
                                r.VendegCsapatNev,
                                r.Biro1,
                                r.Biro2,
                                r.Biro3};
    } else if (what == QLatin1String("staff")) {
        headings = {L("Staff", "Type"), L("Staff", "Name")};
        for (const TStaffRow &r : dm.Staff())
            rows << QStringList{r.Type, r.Name};
    } else if (what == QLatin1String("languages")) {
        headings = {L("Language", "Language"), L("Language", "Description")};
        for (const TLanguageRow &r : dm.LoadLanguages())
            rows << QStringList{r.Language, r.Description};
    } else {
        err << "db list: unknown table '" << what << "'\n" << kUsage;
        return 2;
    }
    if (!dm.LastError().isEmpty()) {
        err << "db list: " << dm.LastError() << "\n";
        return 1;
    }
    printTable(out, headings, rows);
    return 0;
}

int printImport(const TOnlineUpdate::TResult &result, QTextStream &out, QTextStream &err)
{
    for (const QString &note : result.skipped)
        err << "warning: " << note << "\n";
    for (const QString &note : result.warnings)
        err << "warning: " << note << "\n";
    if (result.outcome == TOnlineUpdate::TOutcome::EmptyReply) {
        out << "The server sent nothing; nothing changed.\n";
        return 0;
    }
    if (!result.ok()) {
        err << "db: " << result.error;
        if (!result.detail.isEmpty() && result.detail != result.error)
            err << " (" << result.detail << ")";
        err << "\n";
    }
    const bool stopped = result.outcome == TOnlineUpdate::TOutcome::StorageError;
    if (stopped && !result.kept) {
        err << "db: nothing was kept; the database is as it was before the import.\n";
        return 1;
    }
    if (result.outcome == TOnlineUpdate::TOutcome::Imported || stopped) {
        out << result.leagues << " league block(s) merged\n";
        if (stopped && !result.stoppedIn.isEmpty())
            out << "The import stopped in league block " << result.leagues + 1 << " \"" << result.stoppedIn
                << "\": its rows merged before the error were kept, the blocks after it were not merged.\n";
        for (const QString &table : TSchema::MasterDataTables()) {
            const TdmMain::TChanges c = result.changes.value(table);
            out << "  " << table.leftJustified(11) << "  added " << c.added << ", changed " << c.changed
                << "\n";
        }
    }
    return result.ok() ? 0 : 1;
}

int runDb(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty() && QStringList{QStringLiteral("add"), QStringLiteral("edit"), QStringLiteral("join"),
                                       QStringLiteral("leave"), QStringLiteral("delete")}
                               .contains(args.first()))
        return runDbEdit(args, out, err);
    const TArgs a(args,
                  {QStringLiteral("--lang"), QStringLiteral("--server"), QStringLiteral("--code"),
                   QStringLiteral("--proxy"), QStringLiteral("--proxy-user"),
                   QStringLiteral("--proxy-password")},
                  {QStringLiteral("--yes"), QStringLiteral("--utf8")});
    if (!a.error.isEmpty() || a.positional.isEmpty()) {
        if (!a.error.isEmpty())
            err << "db: " << a.error << "\n";
        err << kUsage;
        return 2;
    }
    const QString sub = a.positional.first();
    TDbSession session(a.options.value(QStringLiteral("--lang")));

    if (sub == QLatin1String("init") && a.positional.size() == 1) {
        if (!session.open(err))
            return 1;
        out << "Database " << session.dm.DatabasePath() << " (schema version " << TSchema::CurrentVersion
            << ")\n";
        out << "Pristine copy " << TdmMain::OriginalFile(session.dm.DatabasePath()) << "\n";
        for (const TSchema::TTable &t : TSchema::Tables())
            out << "  " << t.name.leftJustified(11) << "  " << session.dm.RowCount(t.name) << " row(s)\n";
        return 0;
    }
    if (sub == QLatin1String("list") && a.positional.size() == 2) {
        if (!session.open(err))
            return 1;
        return listTable(session, a.positional.at(1), out, err);
    }
    if (sub == QLatin1String("import-update") && a.positional.size() == 2) {
        if (!session.open(err))
            return 1;
        TOnlineUpdate update(session.dm, session.translator(), session.messages);
        if (a.flags.contains(QStringLiteral("--utf8"))) {
            QByteArray bytes;
            QString problem;
            if (!TGuardedFile::ReadExisting(a.positional.at(1), TOnlineUpdate::MaxFileBytes, bytes,
                                            &problem)) {
                err << "db import-update: " << problem << "\n";
                return 1;
            }
            return printImport(update.ImportUpdateText(QString::fromUtf8(bytes)), out, err);
        }
        return printImport(update.UpdateFromFile(a.positional.at(1)), out, err);
    }
    if (sub == QLatin1String("update") && a.positional.size() == 1) {
        if (!a.options.contains(QStringLiteral("--server"))) {
            err << "db update: --server URL is required\n";
            return 2;
        }
        IUpdateDownloader::TProxy proxy;
        const QString proxyAddress = a.options.value(QStringLiteral("--proxy"));
        if (!proxyAddress.isEmpty()) {
            const qsizetype colon = proxyAddress.lastIndexOf(QLatin1Char(':'));
            if (colon <= 0) {
                err << "db update: --proxy wants HOST:PORT\n";
                return 2;
            }
            proxy.server = proxyAddress.left(colon);
            proxy.port = proxyAddress.mid(colon + 1);
            proxy.user = a.options.value(QStringLiteral("--proxy-user"));
            proxy.password = a.options.value(QStringLiteral("--proxy-password"));
        }
        if (!session.open(err))
            return 1;
        TOnlineUpdate update(session.dm, session.translator(), session.messages);
        update.SetStateCallback([&out](TOnlineUpdate::TState, const QString &text) {
            out << text << "\n";
            out.flush();
        });
        TUpdateDownloader downloader;
        return printImport(update.RunOnlineUpdate(downloader, a.options.value(QStringLiteral("--server")),
                                                  a.options.value(QStringLiteral("--code")), proxy),
                           out, err);
    }
    if (sub == QLatin1String("empty") && a.positional.size() == 1) {
        if (!session.open(err))
            return 1;
        const QString question = session.translator().Translate(
            QStringLiteral("Delete all data from database?"), QStringLiteral("FORM"));
        if (!a.flags.contains(QStringLiteral("--yes"))) {
            err << question << " Pass --yes to confirm.\n";
            return 1;
        }
        if (!session.dm.EmptyDatabase()) {
            err << "db empty: " << session.dm.LastError() << "\n";
            return 1;
        }
        out << "The master data tables were restored from "
            << TdmMain::OriginalFile(session.dm.DatabasePath())
            << "; translations and languages were kept.\n";
        return 0;
    }
    err << kUsage;
    return 2;
}

const TCliRegistration
    registration({QStringLiteral("db"),
                  QStringLiteral("db init|list TABLE|import-update FILE|update --server URL|"
                                 "empty --yes|add|edit|join|leave|delete ..."),
                  runDb});

} // namespace
