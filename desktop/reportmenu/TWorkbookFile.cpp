#include "TWorkbookFile.h"

#include "model/services/Services.h"

#include <QFileDialog>

QString AskWorkbookFile(QWidget *parent, ITranslator &translator)
{
    return QFileDialog::getSaveFileName(
        parent, QString(), QString(),
        translator.Translate(QStringLiteral("Excel workbook"), QStringLiteral("FORM")) +
            QStringLiteral(" (*.xlsx);;") +
            translator.Translate(QStringLiteral("All files"), QStringLiteral("FORM")) +
            QStringLiteral(" (*)"));
}
