#pragma once

#include "masterdata/TGameRow.h"
#include "masterdata/TLanguageRow.h"
#include "masterdata/TLeagueRow.h"
#include "masterdata/TLeagueTeamRow.h"
#include "masterdata/TPlayerRow.h"
#include "masterdata/TStaffRow.h"
#include "masterdata/TTeamPlayerRow.h"
#include "masterdata/TTeamRow.h"

#include <QCollator>
#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>
#include <memory>
#include <optional>

class QSqlQuery;

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
// LastError(), which holds the storage's own message.
class TdmMain
{
public:
    // The datasets whose order other parts switch and leave switched.
    enum class TDataset
    {
        tblLiga,
        tblTeam,
        tblJatekos
    };

    struct TChanges
    {
        int added = 0;
        int changed = 0;
    };

    explicit TdmMain(QString databaseFile);
    ~TdmMain();
    TdmMain(const TdmMain &) = delete;
    TdmMain &operator=(const TdmMain &) = delete;

    static QString DatabaseFileName(); // "parquetix.db"
    static QString DatabaseFile(const QString &home);
    static QString OriginalFile(const QString &databaseFile);
    QString DatabasePath() const { return m_path; }

    // Opens the database, creating or upgrading its schema; a missing
    // pristine copy is created with empty master data tables.
    bool OpenAll();
    void CloseAll();
    bool IsOpen() const;
    QString LastError() const { return m_lastError; }

    bool BeginTransaction();
    bool Commit();
    bool Rollback();

    // Names are listed in the order of the edition's language (KÁDÁR before
    // KOVÁCS in Hungarian), not by code point; Hungarian until told.
    void SetNameLocale(const QLocale &locale);
    const QCollator &NameCollator() const { return m_names; }
    // The locale of an edition or language code: hu_HU for HUN, en for ENG, ...
    static QLocale EditionLocale(const QString &code);

    // Dataset orders; the column must belong to the dataset's table.
    bool SetOrder(TDataset dataset, const QString &column);
    QString Order(TDataset dataset) const;

    // Upserts keyed by web identifier. Each returns the row's local
    // identifier (or true), or -1 (false) on a storage error.
    int UpsertLeague(const QString &webId, const QString &name);
    // The row's own identifier and the looked-up names are not written; the
    // team's coach and wins and the game's note neither.
    int UpsertTeam(const TTeamRow &team);
    int UpsertPlayer(const TPlayerRow &player);
    bool UpsertLeagueTeam(int ligaId, int csapatId, const QString &leagueWebId, const QString &teamWebId);
    bool UpsertTeamPlayer(int ligaId, int csapatId, int jatekosId, const QString &leagueWebId,
                          const QString &teamWebId, const QString &playerWebId);
    bool UpsertGame(const TGameRow &game);
    bool UpsertStaff(const QString &name, const QString &type);
    bool UpsertLanguage(const QString &code, const QString &description);
    bool UpsertTranslation(const QString &stringType, const QString &language, const QString &text,
                           const QString &translated);

    // Rows added and changed by the upserts since the last reset, per table.
    QMap<QString, TChanges> Changes() const { return m_changes; }
    void ResetChanges() { m_changes.clear(); }

    // Look-ups by web identifier.
    int TeamIdByWebId(const QString &webId); // 0 when absent, -1 on error
    // Name and short name "N/A" and jersey 0 unless Player holds the web
    // identifier; on a storage error that record with the error in *error.
    TPlayerRow PlayerRecordByWebId(const QString &webId, QString *error = nullptr);
    QString PlayerNativeName(const QString &webId);
    QString TeamNativeName(const QString &webId);
    QString LeagueWebId(int ligaId);
    QList<TLanguageRow> LoadLanguages();
    QStringList StaffNames(const QString &type);

    // The datasets' rows.
    QList<TLeagueRow> Leagues(); // tblLiga, current order
    QList<TTeamRow> Teams();     // tblTeam, current order
    QList<TPlayerRow> Players(); // tblJatekos, current order
    QList<TGameRow> Games();     // tblMerkozes: by game code, with league and team names
    QList<TGameRow> Schedule();  // tblMerkozesMusor: by ID, with team names
    // tblMyTeamPlays: games of that team dated today or later, by date, hour and ID.
    QList<TGameRow> MyTeamPlays(int myTeam, const QDate &today);
    QList<TLeagueTeamRow> LeagueTeams(); // tblLigaCsapat
    QList<TTeamPlayerRow> TeamPlayers(); // tblCsapatJatekos
    // tblMusorCsapatJatekos: the roster of one team in one league, by JatekosID.
    QList<TTeamPlayerRow> Roster(int ligaId, int csapatId);
    std::optional<TPlayerRow> PlayerById(int jatekosId); // tblMusorJatekos
    std::optional<TTeamRow> TeamById(int csapatId);
    std::optional<TGameRow> GameByCode(const QString &code); // tblMusorVisszatoltes
    QList<TStaffRow> Staff();

    // The translate table.
    bool FindTranslation(const QString &stringType, const QString &language, const QString &text,
                         QString *translated, bool *found);
    bool InsertTranslation(const QString &stringType, const QString &language, const QString &text);

    int RowCount(const QString &table);

    // qryGlobal: a free statement with named parameters.
    bool Query(const QString &sql, const QVariantMap &parameters, QList<QVariantMap> *rows = nullptr);

    // Replaces the seven master data tables with the pristine copy in one
    // transaction; translations and languages stay. Nothing changes on failure.
    bool EmptyDatabase();

    // Display labels of the columns, the column names until translated.
    QString DisplayLabel(const QString &table, const QString &column) const;
    void SetDisplayLabel(const QString &table, const QString &column, const QString &label);

private:
    QSqlQuery *prepare(const QString &sql);
    bool exec(QSqlQuery *q);
    bool fail(const QString &message);
    bool ensureOpen();
    qint64 upsert(const QString &table, const QStringList &keyColumns, const QVariantList &keyValues,
                  const QStringList &setColumns, const QVariantList &setValues, const QString &idColumn);
    QVariant bindable(const QString &table, const QString &column, const QVariant &value) const;
    bool createOriginal();
    template <typename TRow> QList<TRow> rows(const QString &sql, const QVariantMap &parameters);
    QString gameSelect() const;
    QString nativeName(const QString &table, const QString &column, const QString &webId);

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_prepared;
    QString m_lastError;
    QMap<QString, TChanges> m_changes;
    QHash<TDataset, QString> m_orders;
    QHash<QString, QString> m_labels; // "table.column" -> label
    QCollator m_names{QLocale(QLocale::Hungarian, QLocale::Hungary)};
};
