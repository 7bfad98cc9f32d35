#include "ScreenFixture.h"

#include <QMap>
#include <QSet>

namespace {

// An English edition: answers the "FORM" texts it knows and notes every
// string type that was asked for.
class EnglishTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        Sections.insert(section);
        if (section != QLatin1String("FORM"))
            return text;
        return Form.value(text, text);
    }
    QMap<QString, QString> Form = {
        {QStringLiteral("A negyednek tényleg vége?"), QStringLiteral("Is the period really over?")},
        {QStringLiteral("Az mérkozes esemenyeinek elkuldese meg nem fejezodott be. Bezarja a alkalmazast?!"),
         QStringLiteral("Sending has not finished. Close?")},
        {QStringLiteral("dunk"), QStringLiteral("slam dunk")},
        {QStringLiteral("Layup"), QStringLiteral("lay-up")},
        {QStringLiteral("2 pointer"), QStringLiteral("two")},
        {QStringLiteral("3 pointer"), QStringLiteral("three")},
    };
    QSet<QString> Sections;
};

struct EnglishEdition
{
    EnglishTranslator translator;
};

} // namespace

// The questions and labels of the court screen are message-table texts: the
// "FORM" translations of their source texts.
class ScreenTexts : protected EnglishEdition, public ScreenFixture
{
protected:
    ScreenTexts() : ScreenFixture(&translator) {}
};

TEST_F(ScreenTexts, QuestionsAreAskedInTheEditionsLanguage)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    // The period's time runs out: F4 asks whether it is over.
    for (int i = 0; i < 19; ++i)
        run(QStringLiteral("tick"));
    prompter.Answer = false;
    prompter.Messages.clear();
    key(TKeyboardMap::F4);
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Is the period really over?")});
    // Closing an online game with messages still waiting.
    game.Online = true;
    game.OutgoingQueue.Append(game.NewEvent(999, Kind::Steal, 0, Side::HomePlayer));
    prompter.Messages.clear();
    EXPECT_FALSE(screen.ConfirmClose());
    EXPECT_EQ(prompter.Messages, QStringList{QStringLiteral("Sending has not finished. Close?")});
    EXPECT_FALSE(translator.Sections.contains(QStringLiteral("MESSAGES")));
}

TEST_F(ScreenTexts, ShotKindLabelsAreTranslated)
{
    OpenGame();
    const struct
    {
        QPoint point;
        const char *text;
    } cases[] = {
        {{501, 129}, "slam dunk"}, {{501, 150}, "lay-up"}, {{501, 220}, "two"}, {{400, 250}, "three"}};
    for (const auto &c : cases) {
        screen.SystemMouseMove(c.point);
        EXPECT_EQ(screen.ItemText(QStringLiteral("lblPontErtekAwayTeam")), QString::fromUtf8(c.text))
            << c.point.x() << "," << c.point.y();
    }
    EXPECT_FALSE(translator.Sections.contains(QStringLiteral("MESSAGES")));
}

// The scoreboard names the periods the game has: the halves of a game of
// five-minute periods, the quarters of one saved with ten-minute quarters.
struct PeriodPictures
{
    int Minutes;
    const char *First, *Second;
};

class ScoreboardPeriods : public ScreenFixture, public testing::WithParamInterface<PeriodPictures>
{
};

TEST_P(ScoreboardPeriods, AreNamedAsTheGameHasThem)
{
    OpenGame({}, true, GetParam().Minutes);
    const TScreenItem *first = screen.Items().Find(QStringLiteral("imgQuarter1"));
    const TScreenItem *second = screen.Items().Find(QStringLiteral("imgQuarter2"));
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->Visible);
    EXPECT_EQ(first->PictureName, QLatin1String(GetParam().First));
    EXPECT_EQ(second->PictureName, QLatin1String(GetParam().Second));
}

INSTANTIATE_TEST_SUITE_P(HalvesAndQuarters, ScoreboardPeriods,
                         testing::Values(PeriodPictures{5, "FELIDO1", "FELIDO2"},
                                         PeriodPictures{10, "NEGYED1", "NEGYED2"}));
