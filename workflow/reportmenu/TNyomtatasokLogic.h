#pragma once

#include "reports/catalogue/TReportCatalogue.h"
#include "reports/charts/TShotChoice.h"
#include "reports/charts/TqrULEBDobasterkep.h"
#include "reports/document/TReportDocument.h"
#include "reports/variants/TVariantReports.h"

#include "model/settings/TSettings.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
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
        AskPeriods,         // the quarter report: ask for the periods, then QuarterReport
        RosterPresentation, // open the notes dialog, which previews the roster sheet
    };

    TNyomtatasokLogic(TGame &game, ITranslator &translator);

    const QList<TControl> &Controls() const { return m_controls; }
    const TControl *Control(const QString &name) const;
    QSize DialogSize() const { return m_dialogSize; }
    QRect GroupBox() const { return m_groupBox; }

    // The radio button chosen; "rbULEBTeamResult" when the dialog opens.
    const QString &Selected() const { return m_selected; }
    // False for a name that is not a visible report choice.
    bool Select(const QString &radioName);
    QStringList ScopeItems() const { return m_scope; }
    // The alternative chart's choice: the scope (0 both teams, 1 home, 2
    // away) refills the player list, whose first entry is all players.
    void SetScope(int index);
    int Scope() const { return m_scopeIndex; }
    QStringList PlayerItems() const;
    void SetPlayer(int index) { m_player = index; }
    // Jerseys of the team shooting chart from the master data; without it
    // from the game's players.
    void SetJerseyLookup(TqrULEBDobasterkep::TJerseyLookup lookup) { m_lookup = std::move(lookup); }
    // What the last report run had to tell the operator (failed lookups).
    const QStringList &Messages() const { return m_messages; }

    // OK: the chosen report's documents, with NUMBER_OF_COPIES copies each.
    TAction Ok(std::vector<TReportDocument> &documents) const;
    // Print all, in its order: the edition's box score (the Hebrew edition
    // too), then the play-by-play list, the line-up report and the individual
    // charts of both teams as they become available.
    std::vector<TReportDocument> PrintAll() const;
    // F12: the edition's box score, printed directly; the Hebrew edition
    // previews its Hebrew box score instead (preview set true).
    std::vector<TReportDocument> F12(bool &preview) const;

    // The quarter report of the periods ticked in the period dialog: the
    // game's regular periods, then its overtimes, numbered in playing order.
    TReportDocument QuarterReport(const QList<int> &periods) const;
    // The game the reports are of (the period dialog offers its periods).
    const TGame &Game() const { return m_game; }

    // Relative image names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    // The master data's native-script names, for the Hebrew box score.
    void SetNativeNames(TNativeNames names) { m_names = std::move(names); }
    // "Excel export" (fiba false) and "FIBA export" into the workbook file,
    // from the templates of this folder; false with the reason otherwise.
    void SetTemplateFolder(const QString &folder) { m_templateFolder = folder; }
    bool Export(bool fiba, const QString &file, QString *error) const;

private:
    // The report chosen, with the choices made in the dialog.
    TReportRequest request() const;
    void layout();

    // Not const: before a box score the menu brings the plus-minus and the
    // leads and runs up to date.
    TGame &m_game;
    ITranslator &m_translator;
    TEdition m_edition;
    QList<TControl> m_controls;
    QString m_selected = QStringLiteral("rbULEBTeamResult");
    QStringList m_scope;
    QSize m_dialogSize;
    QRect m_groupBox;
    QString m_imageFolder;
    TNativeNames m_names;
    int m_scopeIndex = 0;
    int m_player = 0;
    TqrULEBDobasterkep::TJerseyLookup m_lookup;
    mutable QStringList m_messages;
    QString m_templateFolder;
};
