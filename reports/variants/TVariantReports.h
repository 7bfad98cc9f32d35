#pragma once

#include "TqrULEBTeamResultsHebrew.h"

#include "reports/document/TReportDocument.h"

#include <QList>
#include <QString>

class ITranslator;
class TGame;

// How the report menu and the command line prepare and build the box score
// variants: each one gets its input from the game as the menu gives it.
class TVariantReports
{
public:
    TVariantReports(TGame &game, ITranslator &translator) : m_game(game), m_translator(translator) {}

    // Relative image names of the settings (and "whitebg.bmp") are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    void SetNativeNames(TNativeNames names) { m_names = std::move(names); }

    // "Box score": the French variant in the French edition, the Italian one
    // in the Italian edition, the box score itself in the others. The
    // plus-minus (and, for the French one, the leads and runs) is brought up
    // to date first.
    TReportDocument EditionBoxScore() const;
    TReportDocument Hebrew() const;
    TReportDocument Press() const;
    // The line-up lists are replayed from the game.
    TReportDocument Quintet() const;
    // The box score of the periods (stretches of TPeriodRule) given; check
    // the choice with TQuarterChoice::Refusal first.
    TReportDocument Quarters(const QList<int> &periods) const;

private:
    TGame &m_game;
    ITranslator &m_translator;
    QString m_imageFolder;
    TNativeNames m_names;
};
