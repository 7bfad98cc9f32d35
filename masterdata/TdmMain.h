#pragma once

#include "masterdata/TMasterDataRows.h"
#include "masterdata/TMasterDatabase.h"
#include "masterdata/TTranslationTable.h"

#include <QCollator>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariantMap>
#include <optional>

// The data module: owns the local database of master data (leagues, teams,
// players, rosters, the schedule, staff names) and the translation tables,
// and offers the operations the rest of the program shares.
//
// All tables live in one SQLite file, "Datastore/parquetix.db" under the
// application home; a pristine copy of the master data lies in
// "Datastore/Original/" for EmptyDatabase. Every statement binds its values,
// and every text written is cut to its column's width first.
//
// Operations report storage failures through their return value and
// LastError(), which holds the storage's own message. The work is done by
// the connection (TMasterDatabase), the master data rows (TMasterDataRows)
// and the translations (TTranslationTable) on one connection.
class TdmMain
{
public:
    using TDataset = TMasterDataRows::TDataset;
    using TChanges = TMasterDatabase::TChanges;

    explicit TdmMain(QString databaseFile) : m_db(std::move(databaseFile)) {}
    TdmMain(const TdmMain &) = delete;
    TdmMain &operator=(const TdmMain &) = delete;

    static QString DatabaseFileName() { return TMasterDatabase::DatabaseFileName(); } // "parquetix.db"
    static QString DatabaseFile(const QString &home) { return TMasterDatabase::DatabaseFile(home); }
    static QString OriginalFile(const QString &databaseFile)
    {
        return TMasterDatabase::OriginalFile(databaseFile);
    }
    QString DatabasePath() const { return m_db.Path(); }

    // Opens the database, creating or upgrading its schema; a missing
    // pristine copy is created with empty master data tables.
    bool OpenAll();
    void CloseAll() { m_db.Close(); }
    bool IsOpen() const { return m_db.IsOpen(); }
    QString LastError() const { return m_db.LastError(); }

    bool BeginTransaction() { return m_db.BeginTransaction(); }
    // See TMasterDatabase::SetRowCache: for a merge of many rows in one transaction.
    void SetRowCache(bool on) { m_db.SetRowCache(on); }
    bool Commit() { return m_db.Commit(); }
    bool Rollback() { return m_db.Rollback(); }

    // Names are listed in the order of the edition's language (KÁDÁR before
    // KOVÁCS in Hungarian), not by code point; Hungarian until told.
    void SetNameLocale(const QLocale &locale) { m_rows.SetNameLocale(locale); }
    const QCollator &NameCollator() const { return m_rows.NameCollator(); }
    // The locale of an edition or language code: hu_HU for HUN, en for ENG, ...
    static QLocale EditionLocale(const QString &code) { return TMasterDataRows::EditionLocale(code); }

    // Dataset orders; the column must belong to the dataset's table.
    bool SetOrder(TDataset dataset, const QString &column) { return m_rows.SetOrder(dataset, column); }
    QString Order(TDataset dataset) const { return m_rows.Order(dataset); }

    // Upserts keyed by web identifier. Each returns the row's local
    // identifier (or true), or -1 (false) on a storage error.
    int UpsertLeague(const QString &webId, const QString &name) { return m_rows.UpsertLeague(webId, name); }
    // The row's own identifier and the looked-up names are not written; the
    // team's coach and wins and the game's note neither.
    int UpsertTeam(const TTeamRow &team) { return m_rows.UpsertTeam(team); }
    int UpsertPlayer(const TPlayerRow &player) { return m_rows.UpsertPlayer(player); }
    bool UpsertLeagueTeam(int ligaId, int csapatId, const QString &leagueWebId, const QString &teamWebId)
    {
        return m_rows.UpsertLeagueTeam(ligaId, csapatId, leagueWebId, teamWebId);
    }
    bool UpsertTeamPlayer(int ligaId, int csapatId, int jatekosId, const QString &leagueWebId,
                          const QString &teamWebId, const QString &playerWebId)
    {
        return m_rows.UpsertTeamPlayer(ligaId, csapatId, jatekosId, leagueWebId, teamWebId, playerWebId);
    }
    bool UpsertGame(const TGameRow &game) { return m_rows.UpsertGame(game); }
    bool UpsertStaff(const QString &name, const QString &type) { return m_rows.UpsertStaff(name, type); }
    bool UpsertLanguage(const QString &code, const QString &description)
    {
        return m_texts.UpsertLanguage(code, description);
    }
    bool UpsertTranslation(const QString &stringType, const QString &language, const QString &text,
                           const QString &translated)
    {
        return m_texts.UpsertTranslation(stringType, language, text, translated);
    }

    // Rows added and changed by the upserts since the last reset, per table.
    QMap<QString, TChanges> Changes() const { return m_db.Changes(); }
    void ResetChanges() { m_db.ResetChanges(); }

    // Look-ups by web identifier.
    int TeamIdByWebId(const QString &webId)
    {
        return m_rows.TeamIdByWebId(webId);
    } // 0 when absent, -1 on error
    // Name and short name "N/A" and jersey 0 unless Player holds the web
    // identifier; on a storage error that record with the error in *error.
    TPlayerRow PlayerRecordByWebId(const QString &webId, QString *error = nullptr)
    {
        return m_rows.PlayerRecordByWebId(webId, error);
    }
    QString PlayerNativeName(const QString &webId) { return m_rows.PlayerNativeName(webId); }
    QString TeamNativeName(const QString &webId) { return m_rows.TeamNativeName(webId); }
    QString LeagueWebId(int ligaId) { return m_rows.LeagueWebId(ligaId); }
    QList<TLanguageRow> LoadLanguages() { return m_texts.LoadLanguages(); }
    QStringList StaffNames(const QString &type) { return m_rows.StaffNames(type); }

    // The datasets' rows.
    QList<TLeagueRow> Leagues() { return m_rows.Leagues(); } // tblLiga, current order
    QList<TTeamRow> Teams() { return m_rows.Teams(); }       // tblTeam, current order
    QList<TPlayerRow> Players() { return m_rows.Players(); } // tblJatekos, current order
    QList<TGameRow> Games()
    {
        return m_rows.Games();
    } // tblMerkozes: by game code, with league and team names
    QList<TGameRow> Schedule() { return m_rows.Schedule(); } // tblMerkozesMusor: by ID, with team names
    // tblMyTeamPlays: games of that team dated today or later, by date, hour and ID.
    QList<TGameRow> MyTeamPlays(int myTeam, const QDate &today) { return m_rows.MyTeamPlays(myTeam, today); }
    QList<TLeagueTeamRow> LeagueTeams() { return m_rows.LeagueTeams(); } // tblLigaCsapat
    QList<TTeamPlayerRow> TeamPlayers() { return m_rows.TeamPlayers(); } // tblCsapatJatekos
    // tblMusorCsapatJatekos: the roster of one team in one league, by JatekosID.
    QList<TTeamPlayerRow> Roster(int ligaId, int csapatId) { return m_rows.Roster(ligaId, csapatId); }
    std::optional<TPlayerRow> PlayerById(int jatekosId)
    {
        return m_rows.PlayerById(jatekosId);
    } // tblMusorJatekos
    std::optional<TTeamRow> TeamById(int csapatId) { return m_rows.TeamById(csapatId); }
    std::optional<TGameRow> GameByCode(const QString &code)
    {
        return m_rows.GameByCode(code);
    } // tblMusorVisszatoltes
    QList<TStaffRow> Staff() { return m_rows.Staff(); }

    // The translate table.
    bool FindTranslation(const QString &stringType, const QString &language, const QString &text,
                         QString *translated, bool *found)
    {
        return m_texts.FindTranslation(stringType, language, text, translated, found);
    }
    bool InsertTranslation(const QString &stringType, const QString &language, const QString &text)
    {
        return m_texts.InsertTranslation(stringType, language, text);
    }

    int RowCount(const QString &table) { return m_db.RowCount(table); }

    // qryGlobal: a free statement with named parameters.
    bool Query(const QString &sql, const QVariantMap &parameters, QList<QVariantMap> *rows = nullptr)
    {
        return m_db.Query(sql, parameters, rows);
    }

    // Replaces the seven master data tables with the pristine copy in one
    // transaction; translations and languages stay. Nothing changes on failure.
    bool EmptyDatabase() { return m_db.EmptyDatabase(); }

    // Display labels of the columns, the column names until translated.
    QString DisplayLabel(const QString &table, const QString &column) const
    {
        return m_rows.DisplayLabel(table, column);
    }
    void SetDisplayLabel(const QString &table, const QString &column, const QString &label)
    {
        m_rows.SetDisplayLabel(table, column, label);
    }

private:
    TMasterDatabase m_db;
    TMasterDataRows m_rows{m_db};
    TTranslationTable m_texts{m_db};
};
