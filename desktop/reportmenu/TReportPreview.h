#pragma once

#include "reports/document/TReportDocument.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <vector>

class ITranslator;
class QAction;

// The print preview of report documents: the operator prints from it (with
// the documents' copies) or saves them as one PDF.
class TReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT

public:
    TReportPreview(std::vector<TReportDocument> documents, QWidget *parent = nullptr);

    // Writes the documents to a PDF file; false when it cannot be written.
    bool SaveAsPdf(const QString &file) const;
    // The preview's own texts in the interface language.
    void SetTranslator(ITranslator *translator);

private:
    void askForPdf();
    QString text(const char *key) const;

    QPrinter m_printer;
    std::vector<TReportDocument> m_documents;
    QAction *m_pdf = nullptr;
    ITranslator *m_translator = nullptr;
};
