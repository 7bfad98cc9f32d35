#pragma once

#include "TRosterPresentationLogic.h"

#include "reports/document/TReportDocument.h"
#include "reports/frame/TPageFrame.h"

class ITranslator;
class TGame;

// The roster sheet ("Rosters presentation", A4 landscape): the game's
// header, per team its name with the team note, one row per player with
// jersey, name and note, and the coach with his note; the banner between
// the teams and the sponsors at the foot.
class TqrRostersPresentation
{
public:
    TqrRostersPresentation(const TGame &game, QList<TRosterPresentation> home,
                           QList<TRosterPresentation> away, ITranslator &translator);
    // Relative image file names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    TReportDocument Build() const;

    // A text broken at blanks into lines no wider than width millimetres
    // in the cell's font; a word wider than a line is cut where it must be.
    static QStringList WrapText(const TReportCell &style, const QString &text, double width);

private:
    using TLayout = TPageFrame;
    QString imagePath(const QString &setting) const;
    void header(TLayout &layout) const;
    void team(TLayout &layout, bool home) const;
    void footer(TLayout &layout) const;

    const TGame &m_game;
    QList<TRosterPresentation> m_home;
    QList<TRosterPresentation> m_away;
    ITranslator &m_translator;
    QString m_imageFolder;
};
