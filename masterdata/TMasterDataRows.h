#pragma once

#include "masterdata/TGameRow.h"
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
#include <QString>
#include <QVariantMap>
#include <optional>

class TMasterDatabase;

// The master data rows (leagues, teams, players, rosters, the schedule, staff
// names): their upserts keyed by web identifier, look-ups and lists in the
// dataset orders, names in the order of the edition's language.
class TMasterDataRows
{
public:
    // The datasets whose order other parts switch and leave switched.
    enum class TDataset
    {
        tblLiga,
        tblTeam,
        tblJatekos
    };

    explicit TMasterDataRows(TMasterDatabase &db) : m_db(db) {}

    // Back to each dataset's first order, as a database is opened.
    void ResetOrders();
    bool SetOrder(TDataset dataset, const QString &column);
    QString Order(TDataset dataset) const;

    void SetNameLocale(const QLocale &locale);
    const QCollator &NameCollator() const { return m_names; }
    static QLocale EditionLocale(const QString &code);

    int UpsertLeague(const QString &webId, const QString &name);
    int UpsertTeam(const TTeamRow &team);
    int UpsertPlayer(const TPlayerRow &player);
    bool UpsertLeagueTeam(int ligaId, int csapatId, const QString &leagueWebId, const QString &teamWebId);
    bool UpsertTeamPlayer(int ligaId, int csapatId, int jatekosId, const QString &leagueWebId,
                          const QString &teamWebId, const QString &playerWebId);
    bool UpsertGame(const TGameRow &game);
    bool UpsertStaff(const QString &name, const QString &type);

    int TeamIdByWebId(const QString &webId);
    TPlayerRow PlayerRecordByWebId(const QString &webId, QString *error);
    QString PlayerNativeName(const QString &webId);
    QString TeamNativeName(const QString &webId);
    QString LeagueWebId(int ligaId);
    QStringList StaffNames(const QString &type);

    QList<TLeagueRow> Leagues();
    QList<TTeamRow> Teams();
    QList<TPlayerRow> Players();
    QList<TGameRow> Games();
    QList<TGameRow> Schedule();
    QList<TGameRow> MyTeamPlays(int myTeam, const QDate &today);
    QList<TLeagueTeamRow> LeagueTeams();
    QList<TTeamPlayerRow> TeamPlayers();
    QList<TTeamPlayerRow> Roster(int ligaId, int csapatId);
    std::optional<TPlayerRow> PlayerById(int jatekosId);
    std::optional<TTeamRow> TeamById(int csapatId);
    std::optional<TGameRow> GameByCode(const QString &code);
    QList<TStaffRow> Staff();

    QString DisplayLabel(const QString &table, const QString &column) const;
    void SetDisplayLabel(const QString &table, const QString &column, const QString &label);

private:
    template <typename TRow> QList<TRow> rows(const QString &sql, const QVariantMap &parameters);
    QString gameSelect() const;
    QString nativeName(const QString &table, const QString &column, const QString &webId);

    TMasterDatabase &m_db;
    QHash<TDataset, QString> m_orders;
    QHash<QString, QString> m_labels; // "table.column" -> label
    QCollator m_names{QLocale(QLocale::Hungarian, QLocale::Hungary)};
};
