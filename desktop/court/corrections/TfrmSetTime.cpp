#include "TfrmSetTime.h"

#include "model/corrections/TSetTimeLogic.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TTimeEdit::TTimeEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(TSetTimeLogic::MaxLength);
    setAcceptDrops(false);
}

void TTimeEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Confirmed();
        return;
    }
    // Esc is the dialog's Cancel.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    const QString text = event->text();
    // Keys without a character (arrows, Home, Delete) edit as usual; of the
    // characters only digits and ":" pass, so Backspace and paste do nothing.
    if (text.isEmpty() && !event->matches(QKeySequence::Paste) && !event->matches(QKeySequence::Cut)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (text.size() == 1 && TSetTimeLogic::Accepts(text.front()) &&
        !event->modifiers().testFlag(Qt::ControlModifier))
        QLineEdit::keyPressEvent(event);
}

void TTimeEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move of the focus within the dialog, not another window.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Left();
}

void TTimeEdit::contextMenuEvent(QContextMenuEvent *)
{
    // No menu: pasting could bring in other characters.
}

TfrmSetTime::TfrmSetTime(TSetTimeLogic &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmSetTime"));
    setWindowTitle(QStringLiteral("Set time"));
    setFixedSize(300, 150);
    auto *label = new QLabel(QStringLiteral("Play time"), this);
    label->setGeometry(16, 20, 90, 22);
    m_field = new TTimeEdit(this);
    m_field->setObjectName(QStringLiteral("txtPlayedTime"));
    m_field->setGeometry(112, 18, 80, 26);
    m_field->setText(m_logic.Text());
    m_field->selectAll();
    // Filled when shown: the form's captions are translated after creation,
    // and the preview is translated already.
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("lblPreview"));
    m_preview->setGeometry(16, 52, 272, 46);
    m_preview->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setGeometry(108, 108, 88, 30);
    ok->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(204, 108, 88, 30);
    cancel->setAutoDefault(false);
    connect(m_field, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_logic.SetText(text);
        m_preview->setText(m_logic.Preview());
    });
    connect(m_field, &TTimeEdit::Left, this, [this] {
        // Closing takes the focus too; the text is final by then.
        if (m_done)
            return;
        m_logic.LeaveField();
        m_field->setText(m_logic.Text());
        m_preview->setText(m_logic.Preview());
    });
    connect(m_field, &TTimeEdit::Confirmed, this, &QDialog::accept);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_field->setFocus();
}

void TfrmSetTime::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_preview->setText(m_logic.Preview());
}

void TfrmSetTime::done(int result)
{
    m_done = true;
    QDialog::done(result);
}
