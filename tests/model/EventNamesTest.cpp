#include "model/events/EventNames.h"

#include "support/ShippedTranslations.h"

#include <QSet>
#include <gtest/gtest.h>

// Each edition names each event of the nine buttons one way: in the history
// of a player and of the team, in the play-by-play and on the button.
TEST(EventNames, EachEditionNamesEachEventOneWay)
{
    for (const QString &language : {QStringLiteral("HUN"), QStringLiteral("ENG")}) {
        SCOPED_TRACE(language.toStdString());
        TShippedTranslations translations(language);
        ASSERT_TRUE(translations.Loaded());
        QSet<QString> names;
        for (const TEventName &n : EventNames::Buttons()) {
            SCOPED_TRACE(n.Kind);
            const QString name = translations.Translate(QString::fromUtf8(n.History), QStringLiteral("FORM"));
            names.insert(name);
            EXPECT_EQ(translations.Translate(QString::fromUtf8(n.PlayByPlay), QStringLiteral("PRINT")), name);
            const QString team = translations.Translate(
                QStringLiteral(".p Csapat ") + QString::fromUtf8(n.History), QStringLiteral("FORM"));
            EXPECT_TRUE(team.endsWith(QLatin1Char(' ') + name)) << team.toStdString();
            const QString caption = EventNames::Caption(QString::fromLatin1(n.Picture), language);
            EXPECT_TRUE(EventNames::Abbreviates(caption, name))
                << caption.toStdString() << " / " << name.toStdString();
        }
        EXPECT_EQ(names.size(), EventNames::Buttons().size());
        EXPECT_TRUE(translations.Misses.isEmpty()) << translations.Misses.join(u'\n').toStdString();
    }
}

TEST(EventNames, ACaptionAbbreviatesANameFromTheStartOfOneOfItsWords)
{
    const struct
    {
        const char *caption, *name;
        bool abbreviates;
    } cases[] = {
        {"VÉDŐ", "védőlepattanó", true},
        {"K.BLOKK", "kapott blokk", true},
        {"D.REB", "defensive rebound", true},
        {"DRAWN", "foul drawn", true},
        {"HIBA", "kapott blokk", false},
        {"FAULT", "személyi hiba", false},
        {"SZERZ", "labdaszerzés", false},
        {"BLK.AG", "block received", false},
        {"", "steal", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EventNames::Abbreviates(QString::fromUtf8(c.caption), QString::fromUtf8(c.name)),
                  c.abbreviates)
            << c.caption << " / " << c.name;
}
