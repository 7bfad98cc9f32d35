#include "TfrmChangeEvent.h"

#include "THalfCourtView.h"
#include "desktop/court/TCourtFrame.h"
#include "desktop/court/TPictureLibrary.h"
#include "geometry/CourtGeometry.h"
#include "workflow/history/TChangeEventLogic.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmChangeEvent::TfrmChangeEvent(TChangeEventLogic &logic, const TPictureLibrary &pictures, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmChangeEvent"));
    setWindowTitle(QStringLiteral("Change event"));

    auto *caption = new QLabel(QStringLiteral("Actor"), this);
    caption->setObjectName(QStringLiteral("lblActorCaption"));
    m_actor = new QLabel(logic.ActorText(), this);
    m_actor->setObjectName(QStringLiteral("lblActor"));
    QFont bold = m_actor->font();
    bold.setBold(true);
    m_actor->setFont(bold);
    m_actors = new QListWidget(this);
    m_actors->setObjectName(QStringLiteral("lbActors"));
    m_actors->setMinimumWidth(190);
    for (const TChangeEventLogic::Actor &a : logic.Actors())
        m_actors->addItem(a.Text);
    // A choice is a selected entry: the focus alone makes an entry current.
    connect(m_actors, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = m_actors->selectedItems();
        if (!chosen.isEmpty()) {
            m_logic.ChooseActor(m_actors->row(chosen.first()));
            refresh();
        }
    });

    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    for (int i = 0; i < int(TChangeEventLogic::ButtonKinds.size()); ++i) {
        const int kind = TChangeEventLogic::ButtonKinds[size_t(i)];
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("sbGomb%1").arg(i + 1));
        const QImage image = pictures.Picture(QStringLiteral("GOMB%1").arg(i + 1));
        if (!image.isNull()) {
            button->setIcon(QPixmap::fromImage(image));
            button->setIconSize(image.size());
        } else {
            button->setText(QString::number(kind));
        }
        connect(button, &QToolButton::clicked, this, [this, kind] {
            m_logic.PressButton(kind);
            refresh();
        });
        m_buttons.insert(kind, button);
        grid->addWidget(button, i < 5 ? 0 : 1, i < 5 ? i : i - 5);
    }
    m_freeThrow = new QToolButton(this);
    m_freeThrow->setObjectName(QStringLiteral("sbBunteto"));
    const QImage freeThrow = pictures.Picture(QStringLiteral("BUNTETO"));
    if (!freeThrow.isNull()) {
        m_freeThrow->setIcon(QPixmap::fromImage(freeThrow));
        m_freeThrow->setIconSize(freeThrow.size());
    } else {
        m_freeThrow->setText(QStringLiteral("FT"));
    }
    connect(m_freeThrow, &QToolButton::clicked, this, [this] {
        m_logic.PressFreeThrow();
        refresh();
    });
    grid->addWidget(m_freeThrow, 1, 4);

    // The half court: the court picture cut at the mask's corner.
    const QImage court = pictures.Picture(QStringLiteral("COURT_VERTICAL"));
    const QPoint corner = TCourtFrame::MaskOrigin(false) -
                          QPoint(CourtGeometry::CourtPictureLeft, CourtGeometry::CourtPictureTop);
    const QImage half =
        court.isNull()
            ? QImage()
            : court.copy(QRect(corner, QSize(TChangeEventLogic::CourtWidth, TChangeEventLogic::CourtHeight)));
    m_picture = new THalfCourtView(logic, half, this);
    connect(m_picture, &THalfCourtView::Clicked, this, [this] { refresh(); });

    m_reset = new QPushButton(QStringLiteral("Reset"), this);
    m_reset->setObjectName(QStringLiteral("bbReset"));
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_logic.Reset();
        m_actors->blockSignals(true);
        m_actors->clearSelection();
        m_actors->blockSignals(false);
        refresh();
    });
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("bbOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *left = new QVBoxLayout;
    left->addWidget(caption);
    left->addWidget(m_actor);
    left->addWidget(m_actors, 1);
    auto *right = new QVBoxLayout;
    right->addLayout(grid);
    right->addWidget(m_picture);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_reset);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
    refresh();
}

QString TfrmChangeEvent::frameStyle(int colour)
{
    return colour == TChangeEventLogic::Navy
               ? QStringLiteral("QToolButton { border: 3px solid rgb(0, 0, 128); }")
           : colour == TChangeEventLogic::Green
               ? QStringLiteral("QToolButton { border: 3px solid rgb(0, 128, 0); }")
               : QStringLiteral("QToolButton { border: 3px solid transparent; }");
}

void TfrmChangeEvent::refresh()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setStyleSheet(frameStyle(
            m_logic.FramedButton() == it.key() ? m_logic.FrameColour() : TChangeEventLogic::NoFrame));
    m_freeThrow->setStyleSheet(frameStyle(m_logic.FramedButton() == TChangeEventLogic::FreeThrowButton
                                              ? m_logic.FrameColour()
                                              : TChangeEventLogic::NoFrame));
    m_ok->setEnabled(m_logic.OkEnabled());
    m_picture->update();
}
