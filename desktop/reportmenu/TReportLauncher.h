#pragma once

#include "desktop/court/IReportLauncher.h"

#include "workflow/gamedata/TGameDataLogic.h"

#include "reports/charts/TqrULEBDobasterkep.h"
#include "reports/document/TReportDocument.h"
#include "reports/variants/TqrULEBTeamResultsHebrew.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class ITranslator;
class TGame;

// The court screen's report commands on the report menu, the preview and
// the default printer.
class TReportLauncher : public IReportLauncher
{
public:
    TReportLauncher(TGame &game, ITranslator &translator);
    ~TReportLauncher() override = default;

    // The window the dialogs belong to.
    void SetParent(QWidget *parent) { m_parent = parent; }
    // Relative image names of the settings are taken from this folder.
    void SetImageFolder(const QString &folder) { m_imageFolder = folder; }
    // The master data's native-script names, for the Hebrew box score.
    void SetNativeNames(TNativeNames names) { m_names = std::move(names); }
    // The staff choices of the game data dialog.
    void SetStaffSource(TGameDataLogic::TStaffSource staff) { m_staff = std::move(staff); }
    // Jerseys of the team shooting chart from the master data.
    void SetJerseyLookup(TqrULEBDobasterkep::TJerseyLookup lookup) { m_lookup = std::move(lookup); }

    bool RunReportMenu() override;
    // The roster presentation's notes dialog, which previews the roster sheet.
    void RunRosterPresentation(QWidget *parent);
    void PrintAll() override;
    void PrintBoxScore() override;
    // What a print without a printer says: where the reports are saved as a PDF instead.
    static QString NoPrinterText(ITranslator &translator);

protected:
    // The two ways a report leaves; tests take them over.
    virtual void print(const std::vector<TReportDocument> &documents);
    virtual void preview(std::vector<TReportDocument> documents);

private:
    TGame &m_game;
    ITranslator &m_translator;
    QPointer<QWidget> m_parent;
    QString m_imageFolder;
    TGameDataLogic::TStaffSource m_staff;
    TNativeNames m_names;
    TqrULEBDobasterkep::TJerseyLookup m_lookup;
};
