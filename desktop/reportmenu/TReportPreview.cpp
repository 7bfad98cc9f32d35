#include "TReportPreview.h"

#include "model/services/Services.h"
#include "reports/painter/TReportPainter.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
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
    // A page is readable only over most of the screen.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 9 / 10);
    if (QToolBar *bar = findChild<QToolBar *>()) {
        m_pdf = bar->addAction(text("Save as PDF"));
        m_pdf->setObjectName(QStringLiteral("actSaveAsPdf"));
        connect(m_pdf, &QAction::triggered, this, &TReportPreview::askForPdf);
    }
}

bool TReportPreview::SaveAsPdf(const QString &file) const
{
    return TReportPainter::WritePdf(pointers(m_documents), file);
}

void TReportPreview::SetTranslator(ITranslator *translator)
{
    m_translator = translator;
    if (m_pdf)
        m_pdf->setText(text("Save as PDF"));
}

QString TReportPreview::text(const char *key) const
{
    const QString k = QString::fromLatin1(key);
    return m_translator ? m_translator->Translate(k, QStringLiteral("FORM")) : k;
}

void TReportPreview::askForPdf()
{
    QString file =
        QFileDialog::getSaveFileName(this, text("Save as PDF"), QString(), QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        file += QLatin1String(".pdf");
    if (!SaveAsPdf(file))
        QMessageBox::critical(this, windowTitle(), text("Cannot write %1").arg(file));
}
