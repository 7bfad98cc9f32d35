#include "TfrmMasterList.h"

#include "TProductPicture.h"
#include "TfrmMasterEdit.h"
#include "desktop/text/TFormTranslator.h"
#include "masterdata/editing/TRowDelete.h"
#include "model/services/Services.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

TfrmMasterList::TfrmMasterList(const TDialogContext &context, TMasterKind kind, const TCaptions &captions,
                               QWidget *parent)
    : QDialog(parent), m_context(context), m_list(context.dm, kind),
      m_runner([](QDialog *d) { return d->exec(); })
{
    setWindowTitle(captions.title);
    auto *right = TProductPicture::BesidePicture(this);

    auto *rows = new QHBoxLayout;
    auto *panels = new QVBoxLayout;
    panels->setSpacing(4);
    rows->addLayout(panels, 1);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("sbRows"));
    rows->addWidget(m_scroll);
    right->addLayout(rows, 1);

    const QStringList labels = TMasterList::Labels(kind);
    // Two label-value pairs a line keep a panel of seven values low.
    const int pairsPerLine = labels.size() > 2 ? 2 : 1;
    for (int p = 0; p < TMasterList::PanelsPerPage(kind); ++p) {
        TPanel panel;
        panel.frame = new QFrame(this);
        panel.frame->setObjectName(QStringLiteral("pnlRow%1").arg(p + 1));
        panel.frame->setFrameShape(QFrame::StyledPanel);
        panel.frame->setAutoFillBackground(true);
        panel.frame->installEventFilter(this);
        auto *grid = new QGridLayout(panel.frame);
        grid->setContentsMargins(8, 4, 8, 4);
        grid->setVerticalSpacing(2);
        for (int c = 0; c < labels.size(); ++c) {
            const int line = c / pairsPerLine;
            const int column = (c % pairsPerLine) * 2;
            if (TMasterList::IsCheckColumn(kind, c)) {
                panel.online = new QCheckBox(labels.at(c), panel.frame);
                panel.online->setObjectName(QStringLiteral("cbOnline%1").arg(p + 1));
                panel.online->setAttribute(Qt::WA_TransparentForMouseEvents);
                panel.online->setFocusPolicy(Qt::NoFocus);
                grid->addWidget(panel.online, line, column, 1, 2);
                panel.values << nullptr;
                continue;
            }
            auto *caption = new QLabel(labels.at(c), panel.frame);
            caption->setObjectName(QStringLiteral("lblCaption%1_%2").arg(c + 1).arg(p + 1));
            auto *value = new QLabel(panel.frame);
            value->setObjectName(QStringLiteral("lblValue%1_%2").arg(c + 1).arg(p + 1));
            value->setMinimumWidth(170);
            QFont bold = value->font();
            bold.setBold(true);
            value->setFont(bold);
            grid->addWidget(caption, line, column);
            grid->addWidget(value, line, column + 1);
            panel.values << value;
        }
        grid->setColumnStretch(1, 1);
        if (pairsPerLine > 1)
            grid->setColumnStretch(3, 1);
        panels->addWidget(panel.frame);
        m_panels << panel;
    }

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(captions.add, this);
    add->setObjectName(QStringLiteral("btnNew"));
    auto *modify = new QPushButton(captions.modify, this);
    modify->setObjectName(QStringLiteral("btnModify"));
    auto *remove = new QPushButton(captions.remove, this);
    remove->setObjectName(QStringLiteral("btnDelete"));
    auto *close = new QPushButton(captions.close, this);
    close->setObjectName(QStringLiteral("btnClose"));
    buttons->addWidget(add);
    buttons->addWidget(modify);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    right->addLayout(buttons);
    // The keys that move through the rows work whichever button has the focus.
    for (QPushButton *button : {add, modify, remove, close})
        button->installEventFilter(this);
    connect(add, &QPushButton::clicked, this, &TfrmMasterList::New);
    connect(modify, &QPushButton::clicked, this, &TfrmMasterList::Modify);
    connect(remove, &QPushButton::clicked, this, &TfrmMasterList::Delete);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int top) {
        m_list.ScrollTo(top);
        showRows();
    });

    // Translated before the rows are shown: the rows' values are data, not captions.
    TFormTranslator(context.translator).TranslateForm(this);
    if (!m_list.Open())
        m_context.prompter.ShowError(m_list.LastError());
    showRows();
}

void TfrmMasterList::showRows()
{
    const QSignalBlocker block(m_scroll);
    m_scroll->setRange(0, m_list.MaxTop());
    m_scroll->setPageStep(TMasterList::PanelsPerPage(m_list.Kind()));
    m_scroll->setValue(m_list.Top());
    for (int p = 0; p < m_panels.size(); ++p) {
        const TPanel &panel = m_panels.at(p);
        const int row = m_list.Top() + p;
        const bool shown = row < m_list.Count();
        const QStringList cells = shown ? m_list.Cells(row) : QStringList();
        for (int c = 0; c < panel.values.size(); ++c) {
            QLabel *value = panel.values.at(c);
            if (!value)
                continue;
            value->setText(shown ? cells.value(c) : QString());
            // A longer name than any before widens the column (and the
            // dialog) rather than being cut.
            const int needed = value->fontMetrics().horizontalAdvance(value->text());
            if (needed > value->minimumWidth())
                value->setMinimumWidth(needed);
        }
        if (panel.online)
            panel.online->setChecked(shown && cells.value(1) == QLatin1String("I"));
        // A panel without a row keeps its place on the page but shows nothing.
        for (QWidget *part : panel.frame->findChildren<QWidget *>())
            part->setVisible(shown);
        QPalette palette = this->palette();
        if (row == m_list.Current())
            palette.setColor(QPalette::Window, palette.color(QPalette::Highlight).lighter(170));
        panel.frame->setPalette(palette);
        panel.frame->setFrameShadow(row == m_list.Current() ? QFrame::Sunken : QFrame::Raised);
        panel.frame->setProperty("current", row == m_list.Current());
    }
}

void TfrmMasterList::SelectRow(int row)
{
    m_list.SetCurrent(row);
    showRows();
}

bool TfrmMasterList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Delete:
            keyPressEvent(key);
            return true;
        default:
            break;
        }
    }
    for (int p = 0; p < m_panels.size(); ++p) {
        if (watched != m_panels.at(p).frame)
            continue;
        if (event->type() == QEvent::MouseButtonPress && m_list.Top() + p < m_list.Count()) {
            SelectRow(m_list.Top() + p);
            return true;
        }
        if (event->type() == QEvent::Wheel) {
            m_list.ScrollTo(m_list.Top() +
                            (static_cast<QWheelEvent *>(event)->angleDelta().y() < 0 ? 1 : -1));
            showRows();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmMasterList::keyPressEvent(QKeyEvent *event)
{
    const int per = TMasterList::PanelsPerPage(m_list.Kind());
    const int current = m_list.Current();
    switch (event->key()) {
    case Qt::Key_Down:
        SelectRow(current + 1);
        return;
    case Qt::Key_Up:
        SelectRow(std::max(0, current - 1));
        return;
    case Qt::Key_PageDown:
        SelectRow(current + per);
        return;
    case Qt::Key_PageUp:
        SelectRow(std::max(0, current - per));
        return;
    case Qt::Key_Delete:
        Delete();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfrmMasterList::runEdit(bool inserting)
{
    TRowEdit edit(m_context.dm, m_list.Kind());
    if (inserting) {
        edit.StartInsert();
    } else if (m_list.Current() < 0) {
        return;
    } else if (!edit.StartEdit(m_list.CurrentId())) {
        m_context.prompter.ShowError(edit.LastError());
        return;
    }
    const std::unique_ptr<TfrmMasterEdit> dialog = TfrmMasterEdit::Create(m_context, edit, this);
    if (m_runner(dialog.get()) != QDialog::Accepted)
        return;
    if (!m_list.Refresh(edit.Id()))
        m_context.prompter.ShowError(m_list.LastError());
    showRows();
}

void TfrmMasterList::New()
{
    runEdit(true);
}

void TfrmMasterList::Modify()
{
    runEdit(false);
}

void TfrmMasterList::Delete()
{
    if (m_list.Current() < 0)
        return;
    TRowDelete deletion(m_context.dm, m_context.translator);
    if (!deletion.CanDelete(m_list.Kind(), m_list.CurrentId())) {
        // What holds the row is said at once: no question about a delete that cannot happen.
        m_context.prompter.ShowError(deletion.LastError());
        return;
    }
    if (!m_context.prompter.Confirm(deletion.Question()))
        return;
    const int current = m_list.Current();
    if (!deletion.Delete(m_list.Kind(), m_list.CurrentId())) {
        m_context.prompter.ShowError(deletion.LastError());
        return;
    }
    // The row after the deleted one becomes current (the last when it was the last).
    const int next = current + 1 < m_list.Count() ? m_list.Id(current + 1) : 0;
    if (!m_list.Refresh(next))
        m_context.prompter.ShowError(m_list.LastError());
    if (next == 0)
        m_list.SetCurrent(m_list.Count() - 1);
    showRows();
}
