#include "TReportPreview.h"

#include "reports/painter/TReportPainter.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QToolBar>

namespace {

QList<const TReportDocument *> pointers(const std::vector<TReportDocument> &documents)
{
    QList<const TReportDocument *> all;
    for (const TReportDocument &d : documents)
        all.append(&d);
    return all;
}

} // namespace

TReportPreview::TReportPreview(std::vector<TReportDocument> documents, QWidget *parent)
    : QPrintPreviewDialog(parent), m_printer(QPrinter::HighResolution), m_documents(std::move(documents))
{
    setObjectName(QStringLiteral("frmReportPreview"));
    m_printer.setFullPage(true);
    m_printer.setCopyCount(TReportPainter::CopyCount(pointers(m_documents)));
    if (!m_documents.empty())
        m_printer.setPageOrientation(m_documents.front().Landscape ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
    // The preview paints on its own printer; printing from it uses the printer the operator chose.
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *printer) { TReportPainter::Print(pointers(m_documents), *printer); });
    if (QToolBar *bar = findChild<QToolBar *>()) {
        QAction *pdf = bar->addAction(tr("Save as PDF"));
        pdf->setObjectName(QStringLiteral("actSaveAsPdf"));
        connect(pdf, &QAction::triggered, this, &TReportPreview::askForPdf);
    }
}

bool TReportPreview::SaveAsPdf(const QString &file) const
{
    return TReportPainter::WritePdf(pointers(m_documents), file);
}

void TReportPreview::askForPdf()
{
    QString file =
        QFileDialog::getSaveFileName(this, tr("Save as PDF"), QString(), QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QLatin1String(".pdf");
    if (!SaveAsPdf(file))
        QMessageBox::critical(this, windowTitle(), tr("Cannot write %1").arg(file));
}
