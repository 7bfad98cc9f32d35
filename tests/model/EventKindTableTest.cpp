#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"

#include "support/ShippedTranslations.h"

#include <gtest/gtest.h>

// Every name the table gives a kind reaches the screen or the paper through
// the translator: each edition has a translation for each of them.
TEST(EventKindTable, EachEditionTranslatesEveryNameOfAKind)
{
    for (const QString &language : {QStringLiteral("HUN"), QStringLiteral("ENG")}) {
        SCOPED_TRACE(language.toStdString());
        TShippedTranslations translations(language);
        ASSERT_TRUE(translations.Loaded());
        const QString form = QStringLiteral("FORM");
        for (const TEventKind &k : EventKindTable::All()) {
            if (k.History)
                translations.Translate(QString::fromUtf8(k.History), form);
            if (k.TeamLine)
                translations.Translate(QString::fromUtf8(k.TeamLine), form);
            if (k.FilterCaption)
                translations.Translate(QString::fromUtf8(k.FilterCaption), form);
            if (k.PlayByPlay)
                translations.Translate(QString::fromUtf8(k.PlayByPlay), QStringLiteral("PRINT"));
        }
        for (const int kind : {int(Kind::ShotMade), int(Kind::ShotMissed)})
            for (int shot = ShotKind::Close; shot <= ShotKind::Dunk; ++shot)
                translations.Translate(EventKindTable::HistoryWord(kind, shot), form);
        EXPECT_TRUE(translations.Misses.isEmpty()) << translations.Misses.join(u'\n').toStdString();
    }
}

// A type chosen after the event is written into the "&tipus=" of its
// message: a kind that opens a type list must leave one there, for the
// player and for the team, and a team kind that leaves one must open a list.
TEST(EventKindTable, AKindThatAsksForATypeLeavesItARoomInItsMessage)
{
    for (const TEventKind &k : EventKindTable::All()) {
        SCOPED_TRACE(k.Kind);
        if (k.Types != TTypeList::None) {
            EXPECT_TRUE(k.PlayerTyped);
        }
        if (k.TeamTyped) {
            EXPECT_NE(k.Types, TTypeList::None);
        }
    }
}

// A second row of a kind would never be found; the filter offers only
// kinds a player or the team is credited with.
TEST(EventKindTable, EachKindHasOneRow)
{
    QList<int> kinds;
    for (const TEventKind &k : EventKindTable::All()) {
        EXPECT_FALSE(kinds.contains(k.Kind)) << k.Kind;
        kinds.append(k.Kind);
        EXPECT_EQ(EventKindTable::Find(k.Kind), &k);
        if (k.FilterCaption) {
            EXPECT_TRUE(EventKindTable::Credited(k.Kind)) << k.Kind;
        }
    }
}
