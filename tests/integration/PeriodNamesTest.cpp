// The statistics server names the periods of a game's live messages by the
// rule the game model counts them with: a period end of the model's third
// stretch is the end of the first overtime on the scoreboard too.
#include "model/events/TGameEvent.h"
#include "server/TGameSummary.h"
#include "support/ScriptedGameFixture.h"
#include "support/TestHome.h"

#include <QFile>

namespace {

class PeriodNames : public ScriptedGameFixture
{
protected:
    PeriodNames()
    {
        settings.SetValue(QStringLiteral("SERVER_NAME"), QStringLiteral("/income/index.phtml?"));
    }

    // The server's view of every message the game has queued so far.
    TGameSummary summary() const
    {
        QList<TStoredMessage> stored;
        for (int i = 0; i < game.AllEvents.Count(); ++i) {
            const QByteArray url = game.AllEvents.At(i)->Message.toLatin1();
            if (url.isEmpty())
                continue;
            TStoredMessage m;
            m.seq = i + 1;
            m.game = game.GameCode.toLatin1();
            m.query = url.mid(url.indexOf('?') + 1);
            m.code = m.query.mid(4, 4).toInt();
            m.received = QDateTime(QDate(2026, 12, 5), QTime(18, 0)).addSecs(i);
            stored << m;
        }
        return TGameSummary::build(game.GameCode.toLatin1(), stored);
    }

    // What the model calls the stretch it is in.
    QString modelName() const
    {
        const TPeriodRule rule = game.Periods();
        return rule.IsOvertime(game.Period)
                   ? QStringLiteral("overtime %1").arg(rule.OvertimeNumber(game.Period))
                   : QStringLiteral("period %1").arg(game.Period);
    }
};

TEST_F(PeriodNames, TheScoreboardNamesEachPeriodEndOfATwoPeriodGameAsTheModelCountsIt)
{
    QFile file(sourceFolder() + QStringLiteral("/tests/data/periods-double-overtime.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList ends;
    QStringList running;
    int line = 0;
    for (const QString &text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ASSERT_TRUE(script.RunLine(text, ++line)) << script.Error().toStdString();
        if (text == QLatin1String("periodend")) {
            EXPECT_EQ(summary().statusText(), QStringLiteral("End of ") + modelName());
            ends << summary().statusText();
        } else if (text == QLatin1String("sub home 21 30") || text == QLatin1String("sub away 15 24")) {
            running << summary().statusText();
        }
    }
    EXPECT_EQ(ends, QStringList({QStringLiteral("End of period 1"), QStringLiteral("End of period 2"),
                                 QStringLiteral("End of overtime 1"), QStringLiteral("End of overtime 2")}));
    EXPECT_EQ(running, QStringList({QString::fromUtf8("Period 2 · 5 min played"),
                                    QString::fromUtf8("Overtime 2 · 12 min played")}));
}

TEST_F(PeriodNames, AGameOfTenMinuteQuartersHasFourPeriodsOnTheScoreboardToo)
{
    SetUpRoster(10);
    for (int quarter = 1; quarter <= 4; ++quarter) {
        ticks(40);
        run(QStringLiteral("periodend"));
        EXPECT_EQ(summary().statusText(), QStringLiteral("End of ") + modelName()) << quarter;
    }
    ticks(20);
    run(QStringLiteral("periodend"));
    EXPECT_EQ(summary().statusText(), QStringLiteral("End of overtime 1"));
    EXPECT_EQ(modelName(), QStringLiteral("overtime 1"));
    EXPECT_EQ(summary().periodLength(), 10);
}

} // namespace
