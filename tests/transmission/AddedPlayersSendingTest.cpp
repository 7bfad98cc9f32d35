// Players added to a bench during the game: their roster messages wait while
// the game is not online and then go in the order they were added.
#include "SenderFixture.h"

#include "model/script/TGameScript.h"

namespace {

using AddedPlayersSending = SenderFixture;

TEST_F(AddedPlayersSending, NothingGoesOfflineAndBothGoInListOrderOnline)
{
    TGameScript script(game, screen);
    ASSERT_TRUE(script.Run(QStringLiteral(R"(
team home id=1 webid=T1 name="Home Team" league=1
team away id=2 webid=T2 name="Away Team" league=1
player home id=11 webid=H11 jersey=4 name="KOVACS Janos" court
player away id=21 webid=A21 jersey=5 name="MOLNAR David" court
game online=0
addplayer home id=31 webid=W31 jersey=23 name="UJ Elek"; id=32 webid=W32 jersey=9 name="VEN Ede"
)"))) << script.Error().toStdString();
    EXPECT_EQ(game.EventCounter, 2);
    cycles(3);
    EXPECT_TRUE(http.Requests.isEmpty());
    ASSERT_EQ(game.OutgoingQueue.Count(), 2);

    game.Online = true;
    cycles(2);
    ASSERT_EQ(http.Requests.size(), 2);
    EXPECT_EQ(http.Requests[0].Url,
              Prefix.toLatin1() + "kod=0002&szkod=ABC1DEF2&p=W32&k=0&h=1&jat=0&j=VEN_Ede&mz=9");
    EXPECT_EQ(http.Requests[1].Url,
              Prefix.toLatin1() + "kod=0002&szkod=ABC1DEF2&p=W31&k=0&h=1&jat=0&j=UJ_Elek&mz=23");
    EXPECT_TRUE(game.OutgoingQueue.IsEmpty());
}

} // namespace
