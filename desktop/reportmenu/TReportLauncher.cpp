#include "TReportLauncher.h"

#include "TReportPreview.h"
#include "TfrmGameData.h"
#include "TfrmNyomtatasok.h"
#include "TfrmPlayedTime.h"
#include "TfrmRosterPresentation.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include "model/services/Services.h"
#include "reports/painter/TReportPainter.h"

#include <QDir>
#include <QMessageBox>
#include <QPrinter>

TReportLauncher::TReportLauncher(TGame &game, ITranslator &translator)
    : m_game(game), m_translator(translator)
{
}

void TReportLauncher::RunRosterPresentation(QWidget *parent)
{
    TfrmRosterPresentation notes(m_game, m_translator, parent);
    notes.SetImageFolder(m_imageFolder);
    notes.Run();
}

bool TReportLauncher::RunReportMenu()
{
    TfrmNyomtatasok menu(m_game, m_translator, m_parent);
    menu.Logic().SetImageFolder(m_imageFolder);
    menu.Logic().SetNativeNames(m_names);
    menu.Logic().SetJerseyLookup(m_lookup);
    menu.Logic().SetTemplateFolder(QDir(m_imageFolder).filePath(QStringLiteral("Template")));
    menu.SetRosterPresentation([this, &menu] { RunRosterPresentation(&menu); });
    menu.SetDataDialogs(
        [this, &menu] {
            TfrmGameData dialog(m_game, m_staff, m_translator, &menu);
            dialog.exec();
        },
        [this, &menu] {
            TfrmPlayedTime dialog(m_game, &menu);
            dialog.exec();
        });
    return menu.exec() == QDialog::Accepted;
}

void TReportLauncher::PrintAll()
{
    TNyomtatasokLogic logic(m_game, m_translator);
    logic.SetImageFolder(m_imageFolder);
    logic.SetNativeNames(m_names);
    print(logic.PrintAll());
}

void TReportLauncher::PrintBoxScore()
{
    TNyomtatasokLogic logic(m_game, m_translator);
    logic.SetImageFolder(m_imageFolder);
    logic.SetNativeNames(m_names);
    bool inPreview = false;
    std::vector<TReportDocument> documents = logic.F12(inPreview);
    if (inPreview)
        preview(std::move(documents));
    else
        print(documents);
}

void TReportLauncher::print(const std::vector<TReportDocument> &documents)
{
    QList<const TReportDocument *> all;
    for (const TReportDocument &d : documents)
        all.append(&d);
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setCopyCount(TReportPainter::CopyCount(all));
    if (!printer.isValid() || !TReportPainter::Print(all, printer))
        QMessageBox::warning(m_parent, QStringLiteral("Parquetix"), NoPrinterText(m_translator));
}

QString TReportLauncher::NoPrinterText(ITranslator &translator)
{
    const QString form = QStringLiteral("FORM");
    return translator.Translate(QStringLiteral("No printer to print on."), form) + QLatin1Char('\n') +
           translator
               .Translate(QStringLiteral("To save the reports as a PDF instead, open the report menu "
                                         "(the printer picture of the court screen), start the report "
                                         "and use \"%1\" in its preview."),
                          form)
               .arg(translator.Translate(QStringLiteral("Save as PDF"), form));
}

void TReportLauncher::preview(std::vector<TReportDocument> documents)
{
    TReportPreview window(std::move(documents), m_parent);
    window.SetTranslator(&m_translator);
    window.exec();
}
