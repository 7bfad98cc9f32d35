#include "TfrmQuarters.h"

#include "screen/text/TFormTranslator.h"

#include <QCheckBox>
#include <QPushButton>

TfrmQuarters::TfrmQuarters(ITranslator &translator, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQuarters"));
    setWindowTitle(QStringLiteral("Quarters"));
    const struct
    {
        const char *Name, *Caption;
    } boxes[] = {{"cbQuarter1", "First Quarter"},
                 {"cbQuarter2", "Second Quarter"},
                 {"cbQuarter3", "Third Quarter"},
                 {"cbQuarter4", "Fourth Quarter"},
                 {"cbQuarterH", "Hosszabbítás"}};
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(boxes[i].Caption), this);
        box->setObjectName(QLatin1String(boxes[i].Name));
        box->setGeometry(24, 16 + int(i) * 26, 200, 22);
        m_boxes[i] = box;
    }
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setGeometry(24, 156, 90, 26);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(134, 156, 90, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(248, 196);
    TFormTranslator(translator).TranslateForm(this);
}

std::array<bool, 5> TfrmQuarters::Periods() const
{
    std::array<bool, 5> periods{};
    for (size_t i = 0; i < m_boxes.size(); ++i)
        periods[i] = m_boxes[i]->isChecked();
    return periods;
}
