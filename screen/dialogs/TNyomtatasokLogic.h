#pragma once

#include "reports/document/TReportDocument.h"

#include "model/TSettings.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class ITranslator;
class TGame;

// The report menu ("Stats") without widgets: its controls with captions,
// places, visibility and enabled state by edition and settings, the report
// chosen, and the documents OK, print all and F12 produce.
class TNyomtatasokLogic
{
public:
    struct TControl
    {
        QString Name;
        QString Caption; // a translation key; empty for lists
        QRect Place;     // pixels within the dialog
        bool Visible = true;
        bool Enabled = true;
        bool Radio = false;
    };

    // What OK does for the chosen report.
    enum class TAction
    {
        Preview,            // show the documents in the preview
        NotAvailable,       // the report is not built yet
        RosterPresentation, // open the notes dialog, which previews the roster sheet
    };

    TNyomtatasokLogic(const TGame &game, ITranslator &translator);

    const QList<TControl> &Controls() const { return m_controls; }
    const TControl *Control(const QString &name) const;
    QSize DialogSize() const { return m_dialogSize; }
    QRect GroupBox() const { return m_groupBox; }

    // The radio button chosen; "rbULEBTeamResult" when the dialog opens.
    const QString &Selected() const { return m_selected; }
    // False for a name that is not a visible report choice.
    bool Select(const QString &radioName);
    QStringList ScopeItems() const { return m_scope; }

    // OK: the chosen report's documents, with NUMBER_OF_COPIES copies each.
    TAction Ok(std::vector<TReportDocument> &documents) const;
    // Print all, in its order: the edition's box score (the Hebrew edition
    // too), then the play-by-play list, the line-up report and the individual
    // charts of both teams as they become available.
    std::vector<TReportDocument> PrintAll() const;
    // F12: the edition's box score, printed directly; the Hebrew edition
    // previews its Hebrew box score instead (preview set true).
    std::vector<TReportDocument> F12(bool &preview) const;

    // Relative image names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    // "Excel export" (fiba false) and "FIBA export" into the workbook file,
    // from the templates of this folder; false with the reason otherwise.
    void SetTemplateFolder(const QString &folder) { m_templateFolder = folder; }
    bool Export(bool fiba, const QString &file, QString *error) const;

private:
    TReportDocument editionBoxScore() const;
    void layout();

    const TGame &m_game;
    ITranslator &m_translator;
    TEdition m_edition;
    QList<TControl> m_controls;
    QString m_selected = QStringLiteral("rbULEBTeamResult");
    QStringList m_scope;
    QSize m_dialogSize;
    QRect m_groupBox;
    QString m_imageFolder;
    QString m_templateFolder;
};
