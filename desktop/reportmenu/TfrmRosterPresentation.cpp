#include "TfrmRosterPresentation.h"

#include "TReportPreview.h"

#include "desktop/text/TFormTranslator.h"
#include "model/game/TGame.h"
#include "reports/roster/TqrRostersPresentation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {

constexpr int ColumnWidth = 440;
constexpr int ColumnHeight = 430;

} // namespace

TframeRosterPresentation::TframeRosterPresentation(const QString &name, const QString &note, bool bold,
                                                   QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(ColumnWidth - 24, FrameHeight);
    lblJatekosNev = new QLabel(name, this);
    lblJatekosNev->setObjectName(QStringLiteral("lblJatekosNev"));
    lblJatekosNev->setGeometry(4, 6, 150, 18);
    QFont font = lblJatekosNev->font();
    font.setBold(bold);
    lblJatekosNev->setFont(font);
    edNote = new QLineEdit(note, this);
    edNote->setObjectName(QStringLiteral("edNote"));
    edNote->setMaxLength(TRosterPresentationLogic::MaxNote);
    edNote->setGeometry(158, 3, width() - 162, 24);
}

TfrmRosterPresentation::TfrmRosterPresentation(TGame &game, ITranslator &translator, QWidget *parent)
    : QDialog(parent), m_game(game), m_translator(translator), m_logic(game)
{
    setObjectName(QStringLiteral("frmRosterPresentation"));
    setWindowTitle(QStringLiteral("Roster Presentation"));
    setFixedSize(2 * ColumnWidth + 30, ColumnHeight + 90);
    column(QStringLiteral("sbHomeTeam"), QStringLiteral("Home Team"), 10, true);
    column(QStringLiteral("sbAwayTeam"), QStringLiteral("Away Team"), 20 + ColumnWidth, false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(width() / 2 - 100, height() - 40, 90, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmRosterPresentation::ok);
    // Leaves every note as it was stored before the dialog opened.
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setGeometry(width() / 2 + 10, height() - 40, 90, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Preview = [this](std::vector<TReportDocument> documents) {
        TReportPreview preview(std::move(documents), this);
        preview.SetTranslator(&m_translator);
        preview.exec();
    };
    TFormTranslator(translator).TranslateForm(this);
    // The team's note is the first to write.
    if (!m_home.isEmpty())
        m_home.first()->edNote->setFocus();
}

QScrollArea *TfrmRosterPresentation::column(const QString &name, const QString &caption, int x, bool home)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name + QStringLiteral("Caption"));
    label->setGeometry(x, 10, ColumnWidth, 20);
    auto *box = new QScrollArea(this);
    box->setObjectName(name);
    box->setGeometry(x, 34, ColumnWidth, ColumnHeight);
    auto *inside = new QWidget(box);
    const QList<TRosterPresentation> &entries = m_logic.Entries(home);
    const QStringList notes = m_logic.Notes(home);
    QList<TframeRosterPresentation *> &frames = home ? m_home : m_away;
    for (int i = 0; i < entries.size(); ++i) {
        // The team and the coach stand out in bold at either end.
        auto *frame = new TframeRosterPresentation(entries[i].Record->JatekosNev, notes[i],
                                                   i == 0 || i == entries.size() - 1, inside);
        frame->setObjectName(QStringLiteral("%1%2")
                                 .arg(home ? QStringLiteral("frameHome_") : QStringLiteral("frameAway_"))
                                 .arg(i, 2, 10, QLatin1Char('0')));
        frame->move(0, i * TframeRosterPresentation::FrameHeight);
        frames.append(frame);
    }
    inside->resize(ColumnWidth - 24, int(entries.size()) * TframeRosterPresentation::FrameHeight);
    box->setWidget(inside);
    return box;
}

void TfrmRosterPresentation::ok()
{
    for (const bool home : {true, false}) {
        QStringList notes;
        for (const TframeRosterPresentation *frame : Frames(home))
            notes.append(frame->edNote->text());
        m_logic.StoreNotes(home, notes);
    }
    // The notes are kept in the game's records: saved now, they open with it again.
    m_game.SaveGame();
    TqrRostersPresentation report(m_game, m_logic.Entries(true), m_logic.Entries(false), m_translator);
    report.SetImageFolder(m_imageFolder);
    std::vector<TReportDocument> documents;
    documents.push_back(report.Build());
    if (Preview)
        Preview(std::move(documents));
    accept();
}
