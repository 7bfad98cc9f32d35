#include "ShellFixture.h"

#include "model/review/TFlagRule.h"
#include "savegame/TReviewFile.h"

namespace {

class FlagReloadTest : public ShellFixture
{
protected:
    // A period with a slip of every kind the rule sees, a substitution and
    // a deleted line, then the operator's decisions.
    QString slips() const
    {
        return roster() + QStringLiteral(R"(
tick
select home 4
shot home made mid 88 120
select home 7
shot home missed close 118 40
select away 5
event away 1002
select home 10
event home 1004
sub home 10 15
select home 4
event home 1001
change home 6 actor=10
select away 8
event away 1009
select away 12
shot away made freethrow
select away 5
event away 1006
delete away 5
minute
minute
periodend
)");
    }
    QString reviewPath() const { return QDir(folder()).filePath(QString::fromLatin1(TGameReview::FileName)); }
    static QList<TFlag> open(const TGame &g, const THeadlessScreen &s)
    {
        return TFlagRule::Open(g, g.Review, &s.log(1), &s.log(2));
    }
};

TEST_F(FlagReloadTest, FlagsAfterAReloadEqualFlagsBefore)
{
    run(slips() + QStringLiteral("flag home 3\ndismiss away 2 steal-without-turnover\nconfirm 1\n"));
    const QList<TFlag> before = open(*game, screen);
    ASSERT_EQ(before.size(), 4);
    EXPECT_TRUE(QFile::exists(reviewPath()));

    THeadlessScreen loadedScreen;
    auto loaded = load(folder(), {}, &loadedScreen);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Review, game->Review);
    EXPECT_EQ(open(*loaded, loadedScreen), before);
}

TEST_F(FlagReloadTest, AGameWithoutDecisionsWritesNoFile)
{
    run(slips());
    EXPECT_FALSE(QFile::exists(reviewPath()));
    // A decision taken back leaves the file, empty, rather than the old decision.
    run(QStringLiteral("flag home 3"));
    ASSERT_TRUE(QFile::exists(reviewPath()));
    run(QStringLiteral("dismiss home 3 user"));
    EXPECT_EQ(read(reviewPath()), QByteArray());
    auto loaded = load(folder());
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->Review.IsEmpty());
}

TEST_F(FlagReloadTest, AnUnreadableReviewIsNamedOrLeftOut)
{
    run(slips() + QStringLiteral("confirm 1\n"));
    write(reviewPath(), "confirm 1 two 0\n");
    TGameLoader loader;
    QString error;
    const TGameFolder gameFolder(folder());
    EXPECT_FALSE(loader.Read(gameFolder, gameFolder.GameCode(), &error));
    EXPECT_TRUE(error.startsWith(QString::fromLatin1(TGameReview::FileName))) << error.toStdString();

    ASSERT_TRUE(loader.Read(gameFolder, gameFolder.GameCode(), &error, TLoadOptions{.LoadDamaged = true}))
        << error.toStdString();
    EXPECT_TRUE(loader.Warning().contains(QString::fromLatin1(TGameReview::FileName)));
    auto g = newGame(folder());
    loader.ApplyReview(*g);
    EXPECT_TRUE(g->Review.IsEmpty());
}

} // namespace
