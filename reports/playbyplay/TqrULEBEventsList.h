#pragma once

#include "reports/document/TReportDocument.h"

#include "model/events/TGameEvent.h"

#include <QList>
#include <QString>

class ITranslator;
class TGame;

// The play-by-play list ("Event list", A4 portrait): a line per event of
// the log, home events on the left, away events on the right, the running
// time and score in the middle.
class TqrULEBEventsList
{
public:
    struct TRow
    {
        QString Key;
        TGameEvent Event;
    };

    TqrULEBEventsList(const TGame &game, QList<TRow> rows, ITranslator &translator);

    // The report menu's rows: a placeholder (kind 0, side -2, key "-1"),
    // then a copy of every event of the game's log in log order.
    static QList<TRow> Rows(const TGame &game);

    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    // The running score and tick count start from 0 on every build.
    TReportDocument Build() const;

    // The line of one event for the given running state; false when the
    // event prints nothing. Middle is left empty when it does not change.
    struct TState
    {
        int Home = 0;
        int Away = 0;
        int Ticks = 0;
    };
    struct TLine
    {
        QString Home, Middle, Away;
    };
    bool Line(const TGameEvent &event, TState &state, TLine &line) const;

private:
    QString playerName(const QString &webId) const;
    QString substitution(const QString &message) const;

    const TGame &m_game;
    QList<TRow> m_rows;
    ITranslator &m_translator;
    QString m_imageFolder;
};
