#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The master data update text of the statistics server, parsed.
//
// After every "<br>" (any letter case), LF and CR is removed, the text is a
// sequence of league blocks, each closed by "####":
//   anything without '*', '*', leagueWebId '|' leagueName '#',
//   teams '#' sep, players '#' sep, games '#' sep, staff "####"
// where each section holds items separated by '*', each item fields
// separated by '|' (the last field runs to the end of the item), and sep is
// one character that belongs to no item.
//
// Only whole blocks are taken. A block that breaks this shape is skipped up
// to the next "####"; a remainder without its closing "####" is skipped
// too. Both are listed in skipped, so nothing is lost silently.
//
// Blocks and items whose content cannot be stored as sent are refused and
// listed in refused: a league without a name, a web identifier that is
// missing, holds characters no identifier has, or is longer than its field
// (cutting it could merge two rows into one), and any field holding a control
// character (NUL, or a byte the code page leaves undefined).
class TUpdateText
{
public:
    struct TTeamItem
    {
        QString webId;
        QString name;
        QString shortName;
        QString nativeName;
    };
    struct TPlayerItem
    {
        QString webId;
        QString name;
        QString birthDate;
        int height = 0;
        int weight = 0;
        QString position;
        QString country;
        QString teamWebId;
        int jersey = 0;
        QString nativeName;
    };
    struct TGameItem
    {
        QString homeWebId;
        QString awayWebId;
        QString date;
        QString weekday;
        QString hour;
        QString code;
        QString referee1;
        QString referee2;
        QString referee3;
    };
    struct TStaffItem
    {
        QString name;
        QString type;
    };
    struct TLeagueBlock
    {
        QString webId;
        QString name;
        QList<TTeamItem> teams;
        QList<TPlayerItem> players;
        QList<TGameItem> games;
        QList<TStaffItem> staff;
    };
    struct TSkippedPart
    {
        bool incomplete;  // the text ended inside it; otherwise malformed
        qsizetype offset; // in the cleaned text
        QString excerpt;  // its first characters, to find it again
    };

    enum class TKind
    {
        League,
        Team,
        Player,
        Game,
        Staff
    };
    enum class TReason
    {
        NoName,
        NoWebId,
        BadWebId,
        LongWebId,
        ControlCharacter
    };
    struct TRefusal
    {
        TKind kind;
        TReason reason;
        QString item;  // its identifier and name, as sent
        QString field; // the field at fault
    };

    QList<TLeagueBlock> blocks; // the blocks that can be merged
    QList<TSkippedPart> skipped;
    QList<TRefusal> refused;

    // The width of every web identifier column.
    static constexpr int WebIdChars = 12;

    static TUpdateText Parse(const QString &text);
    // Removes every "<br>" in any letter case, every LF and every CR.
    static QString Clean(const QString &text);
    // The text as the server sends it: 8-bit Windows-1250.
    static QString Decode(const QByteArray &bytes);
    // "Kovacs Janos" -> "Kovacs J."; a name without a space -> its first two characters and ".".
    static QString ShortName(const QString &name);
    // A whole number; 0 when the field is not one.
    static int Number(const QString &field);
    // What is wrong with a web identifier; nothing when it can be stored. An
    // empty one is wrong only when required.
    static std::optional<TReason> WebIdProblem(const QString &webId, bool required);
    // The text holds a control character or an undecodable byte.
    static bool HasControlCharacter(const QString &text);
};
