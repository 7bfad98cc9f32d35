#include "TfrmQuarters.h"

#include "desktop/text/TFormTranslator.h"

#include "reports/variants/TQuarterChoice.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

TfrmQuarters::TfrmQuarters(ITranslator &translator, const TGame &game, QWidget *parent)
    : QDialog(parent), m_translator(translator), m_game(game)
{
    setObjectName(QStringLiteral("frmQuarters"));
    setWindowTitle(QStringLiteral("Quarters"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    connect(ok, &QPushButton::clicked, this, &TfrmQuarters::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    TFormTranslator(translator).TranslateForm(this);

    // The boxes come after the form's translation: their captions are
    // composed ("2. Hosszabbítás") from translated parts.
    const QList<TQuarterChoice::TOption> options =
        TQuarterChoice::Offered(game, translator, QStringLiteral("FORM"));
    int y = 16;
    for (const TQuarterChoice::TOption &o : options) {
        auto *box = new QCheckBox(o.Caption, this);
        box->setObjectName(o.ObjectName);
        box->setGeometry(24, y, 200, 22);
        y += 26;
        m_boxes.append(box);
        m_stretches.append(o.Stretch);
    }
    ok->setGeometry(24, y + 10, 90, 26);
    cancel->setGeometry(134, y + 10, 90, 26);
    setFixedSize(248, y + 50);
    ShowError = [this](const QString &text) { QMessageBox::warning(this, windowTitle(), text); };
}

QList<int> TfrmQuarters::Periods() const
{
    QList<int> periods;
    for (qsizetype i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked())
            periods.append(m_stretches[i]);
    return periods;
}

void TfrmQuarters::ok()
{
    const QString refusal = TQuarterChoice::Refusal(m_game, Periods(), m_translator);
    if (!refusal.isEmpty()) {
        if (ShowError)
            ShowError(refusal);
        return;
    }
    accept();
}
