#include "TfrmMasterEdit.h"

#include "TProductPicture.h"
#include "TfrmEgyesulet.h"
#include "TfrmJatekos.h"
#include "TfrmLiga.h"
#include "TfrmMerkozesek.h"
#include "desktop/text/TFormTranslator.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TSchema.h"
#include "model/services/Services.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The combo box name of a game's identifier column.
QString choiceName(const QString &column)
{
    if (column == QLatin1String("LigaID"))
        return QStringLiteral("cbLiga");
    if (column == QLatin1String("HazaiCsapatID"))
        return QStringLiteral("cbHazaiCsapat");
    return QStringLiteral("cbVendegCsapat");
}

} // namespace

TfrmMasterEdit::TfrmMasterEdit(const TDialogContext &context, TRowEdit &edit, const TCaptions &captions,
                               QWidget *parent)
    : QDialog(parent), m_context(context), m_edit(edit)
{
    setWindowTitle(captions.title);
    auto *right = TProductPicture::BesidePicture(this);
    auto *grid = new QGridLayout;
    right->addLayout(grid);

    const QString table = TRowEdit::Table(edit.Kind());
    const bool game = edit.Kind() == TMasterKind::Game;
    int row = 0;
    int referee = 0;
    for (const TRowEdit::TField &f : TRowEdit::Fields(edit.Kind())) {
        auto *label = new QLabel(f.label, this);
        label->setObjectName(QStringLiteral("lbl") + f.column);
        grid->addWidget(label, row, 0);
        QWidget *editor = nullptr;
        if (game && f.integer) {
            auto *choice = new QComboBox(this);
            choice->setObjectName(choiceName(f.column));
            choice->setMinimumWidth(260);
            m_choices.insert(f.column, choice);
            editor = choice;
        } else {
            auto *line = new QLineEdit(edit.Field(f.column), this);
            line->setObjectName(QStringLiteral("ed") + f.column);
            const TSchema::TColumn *column = TSchema::Table(table)->column(f.column);
            if (f.integer)
                line->setValidator(new QIntValidator(line));
            else if (column && column->width > 0)
                line->setMaxLength(column->width);
            line->setMinimumWidth(f.integer ? 80 : 260);
            m_edits.insert(f.column, line);
            editor = line;
        }
        if (f.label == QLatin1String("Referee"))
            label->setObjectName(QStringLiteral("lblBiro%1").arg(++referee));
        label->setBuddy(editor);
        grid->addWidget(editor, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    right->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(captions.ok, this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(captions.cancel, this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TfrmMasterEdit::Ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (game) {
        fillLeagues();
        fillTeams();
        connect(m_choices.value(QStringLiteral("LigaID")), &QComboBox::activated, this,
                &TfrmMasterEdit::leaguePicked);
    }
    TFormTranslator(context.translator).TranslateForm(this);
}

std::unique_ptr<TfrmMasterEdit> TfrmMasterEdit::Create(const TDialogContext &context, TRowEdit &edit,
                                                       QWidget *parent)
{
    switch (edit.Kind()) {
    case TMasterKind::League:
        return std::make_unique<TfrmLiga>(context, edit, parent);
    case TMasterKind::Team:
        return std::make_unique<TfrmEgyesulet>(context, edit, parent);
    case TMasterKind::Player:
        return std::make_unique<TfrmJatekos>(context, edit, parent);
    case TMasterKind::Game:
        return std::make_unique<TfrmMerkozesek>(context, edit, parent);
    }
    return nullptr;
}

void TfrmMasterEdit::fillLeagues()
{
    QComboBox *box = m_choices.value(QStringLiteral("LigaID"));
    box->clear();
    for (const TIDEntry &e : m_edit.LeagueChoices())
        box->addItem(e.Text, e.Object.ID);
    box->setCurrentIndex(box->findData(m_edit.Field(QStringLiteral("LigaID")).toInt()));
}

void TfrmMasterEdit::fillTeams()
{
    // Only the teams joined to the chosen league can be picked; a team of
    // another league is no longer chosen.
    const TIDList teams = m_edit.TeamChoices();
    for (const char *column : {"HazaiCsapatID", "VendegCsapatID"}) {
        const QString name = QLatin1String(column);
        QComboBox *box = m_choices.value(name);
        box->clear();
        for (const TIDEntry &e : teams)
            box->addItem(e.Text, e.Object.ID);
        const int index = box->findData(m_edit.Field(name).toInt());
        box->setCurrentIndex(index);
        if (index < 0)
            m_edit.SetField(name, QString());
    }
}

void TfrmMasterEdit::leaguePicked()
{
    const QVariant id = m_choices.value(QStringLiteral("LigaID"))->currentData();
    m_edit.SetField(QStringLiteral("LigaID"), id.isValid() ? QString::number(id.toInt()) : QString());
    fillTeams();
}

void TfrmMasterEdit::readFields()
{
    for (auto it = m_edits.begin(); it != m_edits.end(); ++it)
        m_edit.SetField(it.key(), it.value()->text());
    for (auto it = m_choices.begin(); it != m_choices.end(); ++it) {
        const QVariant id = it.value()->currentData();
        m_edit.SetField(it.key(), it.value()->currentIndex() >= 0 && id.isValid()
                                      ? QString::number(id.toInt())
                                      : QString());
    }
}

void TfrmMasterEdit::Ok()
{
    readFields();
    const QString failed = m_edit.FailedCheck();
    if (!failed.isEmpty()) {
        m_context.prompter.ShowError(m_context.messages.Text(failed));
        return;
    }
    if (!m_edit.Save()) {
        m_context.prompter.ShowError(m_edit.LastError());
        return;
    }
    accept();
}
