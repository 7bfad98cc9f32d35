#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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

    QList<TLeagueBlock> blocks;
    QList<TSkippedPart> skipped;

    static TUpdateText Parse(const QString &text);
    // Removes every "<br>" in any letter case, every LF and every CR.
    static QString Clean(const QString &text);
    // The text as the server sends it: 8-bit Windows-1250.
    static QString Decode(const QByteArray &bytes);
    // "Kovacs Janos" -> "Kovacs J."; a name without a space -> its first two characters and ".".
    static QString ShortName(const QString &name);
    // A whole number; 0 when the field is not one.
    static int Number(const QString &field);
};
