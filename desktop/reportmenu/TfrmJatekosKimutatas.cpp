#include "TfrmJatekosKimutatas.h"

#include "TReportPreview.h"
#include "TWorkbookFile.h"

#include "desktop/text/TFormTranslator.h"
#include "reports/playerstats/TJatekosKimutatasExport.h"
#include "reports/playerstats/TqrJatekosKimutatas.h"

#include "model/output/TNameOrder.h"
#include "model/services/Services.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

TframeFeldolgozas::TframeFeldolgozas(const TGameLine &line, QWidget *parent) : QWidget(parent), Line(line)
{
    setFixedSize(620, FrameHeight);
    cbFeldolgozas = new QCheckBox(this);
    cbFeldolgozas->setObjectName(QStringLiteral("cbFeldolgozas"));
    cbFeldolgozas->setGeometry(4, 2, 300, 21);
    const struct
    {
        QLabel **Label;
        const char *Name;
        QString Text;
        int X, Width;
    } labels[] = {{&lblMerkozes, "lblMerkozes",
                   line.Problem.isEmpty() ? QString() : QStringLiteral("Damaged"), 308, 70},
                  {&lblKonyvtar, "lblKonyvtar", line.FolderName, 382, 130},
                  {&lblMerkozesKod, "lblMerkozesKod", line.ListedCode, 516, 100}};
    for (const auto &l : labels) {
        *l.Label = new QLabel(l.Text, this);
        (*l.Label)->setObjectName(QLatin1String(l.Name));
        (*l.Label)->setGeometry(l.X, 4, l.Width, 17);
    }
    if (!line.Problem.isEmpty()) {
        lblMerkozes->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        lblMerkozes->setToolTip(line.Problem);
        cbFeldolgozas->setToolTip(line.Problem);
    }
}

void TframeFeldolgozas::ShowGame()
{
    // The game's own name is set after the dialog is translated: it is no text to translate.
    cbFeldolgozas->setText(Line.Label());
}

TfrmJatekosKimutatas::TfrmJatekosKimutatas(const QString &saveRoot, const TScheduleLookup &lookup,
                                           ITranslator &translator, QWidget *parent,
                                           const TFolderCheck &check)
    : QDialog(parent), m_translator(translator)
{
    setObjectName(QStringLiteral("frmJatekosKimutatas"));
    setWindowTitle(QStringLiteral("Invidual stats"));
    setFixedSize(670, 470);
    auto *caption = new QLabel(QStringLiteral("Saved games"), this);
    caption->setObjectName(QStringLiteral("lblSavedGames"));
    caption->setGeometry(10, 8, 300, 20);
    auto *box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("sbFeldolgozas"));
    box->setGeometry(10, 30, 650, 380);
    auto *inside = new QWidget(box);
    const QList<TGameLine> lines = TJatekosKimutatasLogic::ListGames(saveRoot, lookup, check);
    for (int i = 0; i < lines.size(); ++i) {
        auto *frame = new TframeFeldolgozas(lines[i], inside);
        frame->setObjectName(QStringLiteral("frameFeldolgozas_%1").arg(i));
        frame->move(0, i * TframeFeldolgozas::FrameHeight);
        m_lines.append(frame);
    }
    inside->resize(620, std::max(1, int(lines.size())) * TframeFeldolgozas::FrameHeight);
    box->setWidget(inside);
    const struct
    {
        const char *Name, *Caption;
        int X;
    } buttons[] = {{"bbOK", "OK", 300}, {"bbExcelExport", "Excel export", 420}, {"bbCancel", "Cancel", 560}};
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QLatin1String(b.Caption), this);
        button->setObjectName(QLatin1String(b.Name));
        button->setGeometry(b.X, 425, 100, 28);
    }
    // Both action buttons run one handler; the export's tag is 1.
    Button(QStringLiteral("bbExcelExport"))->setProperty("tag", 1);
    for (const char *name : {"bbOK", "bbExcelExport"}) {
        QPushButton *button = Button(QLatin1String(name));
        connect(button, &QPushButton::clicked, this,
                [this, button] { run(button->property("tag").toInt() == 1); });
    }
    connect(Button(QStringLiteral("bbCancel")), &QPushButton::clicked, this, &QDialog::reject);

    ChooseFile = [this] { return AskWorkbookFile(this, m_translator); };
    Preview = [this](std::vector<TReportDocument> documents) {
        TReportPreview preview(std::move(documents), this);
        preview.SetTranslator(&m_translator);
        preview.exec();
    };
    ShowError = [this](const QString &text) { QMessageBox::warning(this, windowTitle(), text); };
    Confirm = [this](const QString &text) {
        return QMessageBox::warning(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No) == QMessageBox::Yes;
    };
    TFormTranslator(translator).TranslateForm(this);
    for (TframeFeldolgozas *frame : m_lines)
        frame->ShowGame();
}

TframeFeldolgozas *TfrmJatekosKimutatas::Line(int number) const
{
    return findChild<TframeFeldolgozas *>(QStringLiteral("frameFeldolgozas_%1").arg(number));
}

QPushButton *TfrmJatekosKimutatas::Button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void TfrmJatekosKimutatas::run(bool excel)
{
    const char *names[] = {"bbOK", "bbExcelExport", "bbCancel"};
    auto enable = [&](bool on) {
        for (const char *name : names)
            Button(QLatin1String(name))->setEnabled(on);
    };
    enable(false);
    QList<TGameLine> lines;
    for (int i = 0; i < LineCount(); ++i) {
        TframeFeldolgozas *frame = Line(i);
        TGameLine line = frame->Line;
        line.Ticked = frame->cbFeldolgozas->isChecked();
        lines.append(line);
    }
    if (std::none_of(lines.begin(), lines.end(), [](const TGameLine &l) { return l.Ticked; })) {
        if (ShowError)
            ShowError(m_translator.Translate(NothingTickedText(), QStringLiteral("FORM")));
        enable(true);
        return;
    }
    // A damaged game is summed only once the operator has been told.
    const QStringList damaged = TJatekosKimutatasLogic::Damaged(lines);
    if (!damaged.isEmpty() && Confirm) {
        const QString tr = QStringLiteral("FORM");
        const QString question =
            m_translator.Translate(QStringLiteral("These saved games are damaged:"), tr) + QLatin1Char('\n') +
            damaged.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
            m_translator.Translate(
                QStringLiteral("Their files differ from what the last save wrote, so their "
                               "statistics may be incomplete. Sum them as they stand?"),
                tr);
        if (!Confirm(question)) {
            enable(true);
            return;
        }
    }
    QString error;
    const bool collected = m_logic.Collect(lines, &error);
    if (!error.isEmpty()) {
        if (ShowError)
            ShowError(error);
        enable(true);
        return;
    }
    if (collected && excel) {
        QString file = ChooseFile ? ChooseFile() : QString();
        if (!file.isEmpty()) {
            if (QFileInfo(file).suffix().isEmpty())
                file += QStringLiteral(".xlsx");
            if (!TJatekosKimutatasExport::Run(m_logic.Rows(TNameOrder(m_edition)), m_templateFolder, file,
                                              &error, &m_translator)) {
                if (ShowError)
                    ShowError(error);
                enable(true);
                return;
            }
        }
    } else if (collected) {
        std::vector<TReportDocument> documents;
        documents.push_back(TqrJatekosKimutatas(m_logic.Rows(TNameOrder(m_edition)), m_translator).Build());
        if (Preview)
            Preview(std::move(documents));
    }
    enable(true);
    accept();
}
