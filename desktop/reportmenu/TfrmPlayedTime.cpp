#include "TfrmPlayedTime.h"

#include "TPlayedTimePanel.h"

#include "desktop/text/TFormTranslator.h"
#include "model/game/TGame.h"
#include "model/services/Services.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The captions in the game's language, as its messages are.
class TGameTranslator : public ITranslator
{
public:
    explicit TGameTranslator(const TGame &game) : m_game(game) {}
    QString Translate(const QString &text, const QString &section) override
    {
        return m_game.Translate(text, section);
    }

private:
    const TGame &m_game;
};

} // namespace

TfrmPlayedTime::TfrmPlayedTime(TGame &game, QWidget *parent) : QDialog(parent), m_logic(game)
{
    setObjectName(QStringLiteral("frmPlayedTime"));
    setWindowTitle(QStringLiteral("Set played time"));
    setFixedSize(668, 487);
    auto *title = new QLabel(QStringLiteral("Players min"), this);
    title->setGeometry(16, 8, 300, 24);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);

    m_panel = new TPlayedTimePanel(m_logic, {329, 300, 308}, this);
    m_panel->setGeometry(16, 44, 634, 380);

    auto *okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("bbULEBOK"));
    okButton->setGeometry(452, 440, 96, 30);
    okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(556, 440, 96, 30);
    connect(okButton, &QPushButton::clicked, this, &TfrmPlayedTime::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    TGameTranslator translator(game);
    TFormTranslator(translator).TranslateForm(this);
    m_panel->UpdateTotals();
}

void TfrmPlayedTime::ok()
{
    if (!m_panel->CheckInput())
        return;
    if (m_logic.Ok())
        accept();
}
