#pragma once

#include "model/game/TGame.h"
#include "reports/boxscore/TqrULEBTeamResults.h"
#include "support/QtPrinters.h"
#include "support/ScriptedGameFixture.h"

#include <gtest/gtest.h>

// A translator that marks the texts it translates, so a test sees which
// texts went through it and with which string type.
class TMarkingTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        Seen.append(section + QLatin1Char(':') + text);
        return Prefix.isEmpty() ? text : Prefix + text;
    }
    QString Prefix;
    QStringList Seen;
};

// The scripted sample game and the box score built from it.
class BoxScoreFixture : public ScriptedGameFixture
{
protected:
    BoxScoreFixture() { settings.SetValue(QStringLiteral("VERSION"), QStringLiteral("ENG")); }

    void roster(int periodLength = 10) { SetUpRoster(periodLength); }
    // Ticks until the game clock reads the given quarter-minutes, ending
    // each period the clock passes as the operator does.
    void clockTo(int quarterMinutes)
    {
        while (game.Clock < quarterMinutes) {
            run(QStringLiteral("tick"));
            if (game.Clock % game.PeriodTicks() == 0 && game.Clock <= game.RegulationTicks())
                run(QStringLiteral("periodend"));
        }
    }

    TReportDocument build()
    {
        TqrULEBTeamResults report(game, translator);
        return report.Build();
    }

    // The text of a named cell of line `line` of a band; fails when absent.
    static const TReportCell &cell(const TReportDocument &doc, const QString &band, int line,
                                   const QString &name)
    {
        const QList<const TReportLine *> lines = doc.Lines(band);
        if (line < lines.size())
            for (const TReportCell &c : lines[line]->Cells)
                if (c.Name == name)
                    return c;
        ADD_FAILURE() << "no cell " << name.toStdString() << " in line " << line << " of "
                      << band.toStdString();
        static const TReportCell none;
        return none;
    }
    static QString text(const TReportDocument &doc, const QString &band, int line, const QString &name)
    {
        return cell(doc, band, line, name).Text;
    }
    static QString named(const TReportDocument &doc, const QString &name)
    {
        const TReportCell *c = doc.Find(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c ? c->Text : QString();
    }
    // The line of a player table whose jersey cell reads this number.
    static int lineOfJersey(const TReportDocument &doc, const QString &band, int jersey)
    {
        const QList<const TReportLine *> lines = doc.Lines(band);
        for (int i = 0; i < lines.size(); ++i)
            for (const TReportCell &c : lines[i]->Cells)
                if (c.Name == QLatin1String("Mez") && c.Text == QString::number(jersey))
                    return i;
        ADD_FAILURE() << "no line of jersey " << jersey;
        return -1;
    }

    TIdentityTranslator translator;
};
