#include "TframePercJavitas.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TframePercJavitas::TframePercJavitas(QWidget *parent) : QFrame(parent)
{
    setFixedSize(290, 30);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("lblJatekosNev"));
    m_name->setGeometry(4, 4, 186, 21);
    m_edit = new QLineEdit(m_time.Text(), this);
    m_edit->setObjectName(QStringLiteral("meJatszottIdo"));
    m_edit->setMaxLength(5);
    m_edit->setGeometry(192, 2, 80, 25);
    m_edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const bool up : {true, false}) {
        auto *arrow = new QToolButton(this);
        arrow->setObjectName(up ? QStringLiteral("UpDown1Up") : QStringLiteral("UpDown1Down"));
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setGeometry(272, up ? 2 : 14, 17, 12);
        arrow->setAutoRepeat(true);
        connect(arrow, &QToolButton::clicked, this, [this, up] { step(up ? 1 : -1); });
    }
    connect(m_edit, &QLineEdit::textChanged, this, &TframePercJavitas::textChanged);
    // "7:45" or "8" is shown as the frame shows every time once typed.
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (m_valid && m_edit->text() != m_time.Text())
            m_edit->setText(m_time.Text());
    });
}

void TframePercJavitas::SetPlayerName(const QString &name)
{
    m_name->setText(name);
}

void TframePercJavitas::SetValue(int quarterMinutes)
{
    m_time.SetValue(quarterMinutes);
    m_edit->setText(m_time.Text());
}

QString TframePercJavitas::Text() const
{
    return m_edit->text();
}

void TframePercJavitas::step(int delta)
{
    SetValue(m_time.Value() + delta);
}

void TframePercJavitas::textChanged(const QString &text)
{
    int value = 0;
    m_valid = TPercJavitas::Parse(text, &value);
    if (m_valid)
        m_time.SetValue(value);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, m_valid ? Qt::white : QColor(255, 200, 200));
    palette.setColor(QPalette::Text, Qt::black);
    m_edit->setPalette(palette);
    emit TextChanged(text);
}
