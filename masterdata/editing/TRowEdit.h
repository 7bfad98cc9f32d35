#pragma once

#include "masterdata/editing/TIDObject.h"
#include "masterdata/editing/TMasterKind.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <functional>

class TdmMain;
class TMessageTable;

// One insert or edit of a League, Team, Player or Game row, as its edit
// dialog does it: the fields the dialog shows (as the texts typed), the new
// row's defaults, the checks in their order and the save. The widgets and
// the command line both work through it.
class TRowEdit
{
public:
    struct TField
    {
        QString column;
        QString label;  // the dialog's caption (translation key)
        QString option; // the command line's name: "--option" and "option=VALUE"
        bool integer = false;
    };

    TRowEdit(TdmMain &dm, TMasterKind kind);

    static QList<TField> Fields(TMasterKind kind);
    static QString Table(TMasterKind kind);
    static QString IdColumn(TMasterKind kind);
    // The field's column for a column name or option name in any case; empty when none.
    static QString ColumnFor(TMasterKind kind, const QString &name);

    // Replacements for tests: the clock and the source of new game codes.
    void SetClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    void SetGameCodeSource(std::function<QString()> source) { m_gameCode = std::move(source); }

    // A new row with its defaults: today "yyyymmdd" as a player's birth
    // date, a new game code for a game.
    void StartInsert();
    // The row with that identifier; false when it is missing.
    bool StartEdit(int id);

    TMasterKind Kind() const { return m_kind; }
    bool Inserting() const { return m_id == 0; }
    int Id() const { return m_id; }
    QString Field(const QString &column) const { return m_values.value(column); }
    void SetField(const QString &column, const QString &value);

    // The message-table name of the first failing check, empty when all pass.
    QString FailedCheck() const;
    // Its text in the table.
    QString FailedCheckText(const TMessageTable &messages) const;

    // Writes the row (and a player's web identifier when none was typed) in
    // one transaction. False with the storage's message in LastError(); then
    // nothing is stored and the fields are as they were.
    bool Save();
    QString LastError() const { return m_error; }

    // The game's lists: every league, and the teams joined to the chosen league.
    TIDList LeagueChoices();
    TIDList TeamChoices();
    // What a game names that its dialog could not have offered; empty when fine.
    QString ChoiceProblem();

    // The forms the schedule and the update use, as stored; empty when the
    // text is no such date or time. A birth date is "yyyymmdd"; a game's
    // date "dd.mm.yyyy" and hour "hh:mm", leading zeros added when missing.
    static QString BirthDate(const QString &typed);
    static QString GameDate(const QString &typed);
    static QString GameHour(const QString &typed);

    // The weekday of a game in the language of the locale, from its date;
    // the stored weekday when the date is none.
    static QString Weekday(const QString &datum, const QString &stored, const QLocale &locale);

    // "dhnnss": day of the month and hour without a leading zero, two-digit
    // minutes and seconds.
    static QString WebIdAt(const QDateTime &moment);

private:
    bool write(QVariantMap *bound);
    void normalize();
    bool fail(const QString &message);

    TdmMain &m_dm;
    TMasterKind m_kind;
    int m_id = 0;
    QMap<QString, QString> m_values;
    QString m_error;
    std::function<QDateTime()> m_now;
    std::function<QString()> m_gameCode;
};
