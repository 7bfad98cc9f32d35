#pragma once

#include <QString>

class ITranslator;
class QWidget;

// The save dialog of the spreadsheet exports: Excel workbooks or all files.
QString AskWorkbookFile(QWidget *parent, ITranslator &translator);
