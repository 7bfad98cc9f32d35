#pragma once

#include "reports/document/TReportDocument.h"
#include "reports/roster/TRosterPresentationLogic.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <vector>

class ITranslator;
class QLabel;
class QLineEdit;
class QScrollArea;
class TGame;

// One entry's line of the notes dialog: its name and its note.
class TframeRosterPresentation : public QWidget
{
    Q_OBJECT
public:
    static constexpr int FrameHeight = 30;
    TframeRosterPresentation(const QString &name, const QString &note, bool bold, QWidget *parent);
    QLabel *lblJatekosNev = nullptr;
    QLineEdit *edNote = nullptr;
};

// "Roster Presentation": a note for each team, player and coach of both
// teams. OK stores the notes in the game's records, saves the game and
// previews the roster sheet; Cancel (or closing it) changes nothing.
class TfrmRosterPresentation : public QDialog
{
    Q_OBJECT
public:
    TfrmRosterPresentation(TGame &game, ITranslator &translator, QWidget *parent = nullptr);

    // Relative image names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    // Shows the dialog modally; QDialog::Accepted after OK.
    int Run() { return exec(); }

    const QList<TframeRosterPresentation *> &Frames(bool home) const { return home ? m_home : m_away; }
    // Where OK sends the roster sheet; by default the print preview.
    std::function<void(std::vector<TReportDocument>)> Preview;

private:
    void ok();
    QScrollArea *column(const QString &name, const QString &caption, int x, bool home);

    TGame &m_game;
    ITranslator &m_translator;
    TRosterPresentationLogic m_logic;
    QList<TframeRosterPresentation *> m_home;
    QList<TframeRosterPresentation *> m_away;
    QString m_imageFolder;
};
