#include "TfrmParquetixScreenNew.h"

#include "TCourtScreen.h"
#include "desktop/court/corrections/TLineupDialogs.h"
#include "desktop/court/history/THistoryDialogs.h"
#include "desktop/court/input/TPointerEvent.h"
#include "desktop/court/input/TPointerSource.h"
#include "desktop/court/input/TVirtualKeys.h"
#include "model/game/TGame.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace {

TCourtScreen::Button buttonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton:
        return TCourtScreen::RightButton;
    case Qt::MiddleButton:
        return TCourtScreen::MiddleButton;
    default:
        return TCourtScreen::LeftButton;
    }
}

} // namespace

TfrmParquetixScreenNew::TfrmParquetixScreenNew(TGame &game, const QString &libraryFolder, QWidget *parent)
    : QDialog(parent), m_game(game), m_screen(std::make_unique<TCourtScreen>(game)),
      m_pictures(libraryFolder), m_painter(m_pictures)
{
    setWindowTitle(QStringLiteral("Parquetix"));
    setObjectName(QStringLiteral("TfrmParquetixScreenNew"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(500, 344);
    resize(TScreenPainter::FrameWidth, TScreenPainter::FrameHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_screen->SetHost(this);
    m_historyDialogs = std::make_unique<THistoryDialogs>(m_pictures, m_game.Services().Translator, this);
    m_screen->SetHistoryDialogs(m_historyDialogs.get());
    m_lineupDialogs = std::make_unique<TLineupDialogs>(*m_screen, this);
    m_screen->SetLineupDialogs(m_lineupDialogs.get());
    m_screen->SetZoneMask(TZoneMask(m_pictures.Picture(QStringLiteral("MASK_VERTICAL")),
                                    m_pictures.Picture(QStringLiteral("MASK_HORIZONTAL"))));
    connect(m_screen.get(), &TCourtScreen::Changed, this, qOverload<>(&QWidget::update));
    m_game.SetScreen(m_screen.get());
}

TfrmParquetixScreenNew::~TfrmParquetixScreenNew()
{
    m_pointer.reset();
    m_game.SetScreen(nullptr);
}

void TfrmParquetixScreenNew::Open()
{
    m_screen->Open();
    if (m_game.Settings().Input() == QLatin1String("INPUT_SERIALMOUSE"))
        AttachPointer(TPointerSource::ForPort(m_game.Settings().ComPort()));
    if (!m_pictures.Has(QStringLiteral("MASK_VERTICAL")) ||
        !m_pictures.Has(QStringLiteral("MASK_HORIZONTAL"))) {
        m_screen->AddStatus(tr("Zone masks missing: court clicks record no shots"));
    }
}

bool TfrmParquetixScreenNew::AttachPointer(std::unique_ptr<TPointerSource> source)
{
    m_pointer.reset();
    if (!source)
        return false;
    QString error;
    source->SetArea(TScreenPainter::FrameWidth, TScreenPainter::FrameHeight);
    source->GotoXY(500, 300);
    if (!source->Open(&error)) {
        m_screen->ShowStatus(tr("Home pointer not available: %1").arg(error));
        return false;
    }
    connect(source.get(), &TPointerSource::Report, this, [this](QPoint p, int buttons) {
        QCoreApplication::postEvent(this, new TPointerEvent(p, buttons));
    });
    connect(source.get(), &TPointerSource::Failed, this,
            [this](const QString &reason) { m_screen->ShowStatus(tr("Home pointer lost: %1").arg(reason)); });
    m_screen->WatchHomePointer(source->Device());
    m_pointer = std::move(source);
    return true;
}

// ---------------------------------------------------------------- coordinates

QPoint TfrmParquetixScreenNew::FramePoint(const QPointF &windowPoint) const
{
    const QSizeF area = size();
    const double s = TScreenPainter::Scale(area);
    const QPointF origin = TScreenPainter::Offset(area);
    return QPoint(int(std::floor((windowPoint.x() - origin.x()) / s)),
                  int(std::floor((windowPoint.y() - origin.y()) / s)));
}

QPointF TfrmParquetixScreenNew::WindowPoint(QPoint framePoint) const
{
    const QSizeF area = size();
    const double s = TScreenPainter::Scale(area);
    const QPointF origin = TScreenPainter::Offset(area);
    return QPointF(origin.x() + (framePoint.x() + 0.5) * s, origin.y() + (framePoint.y() + 0.5) * s);
}

bool TfrmParquetixScreenNew::inFrame(QPoint p) const
{
    return p.x() >= 0 && p.y() >= 0 && p.x() < TScreenPainter::FrameWidth &&
           p.y() < TScreenPainter::FrameHeight;
}

// ---------------------------------------------------------------- painting and input

void TfrmParquetixScreenNew::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_painter.Paint(painter, m_screen->Items(), QSizeF(size()));
}

void TfrmParquetixScreenNew::PaintNow()
{
    repaint();
}

int TfrmParquetixScreenNew::ConfirmScore(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Parquetix"), text, QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("dlgPeriodScore"));
    QPushButton *confirm =
        box.addButton(m_game.Translate(QStringLiteral("&Confirm")), QMessageBox::AcceptRole);
    confirm->setObjectName(QStringLiteral("btnConfirm"));
    QPushButton *edit = box.addButton(m_game.Translate(QStringLiteral("&Edit")), QMessageBox::RejectRole);
    edit->setObjectName(QStringLiteral("btnEdit"));
    box.setDefaultButton(confirm);
    box.setEscapeButton(edit);
    box.exec();
    return box.clickedButton() == confirm ? 1 : 0;
}

void TfrmParquetixScreenNew::EndApplication()
{
    m_applicationEnded = true;
    done(QDialog::Accepted);
}

bool TfrmParquetixScreenNew::event(QEvent *event)
{
    if (event->type() == TPointerEvent::type()) {
        const auto *report = static_cast<TPointerEvent *>(event);
        m_screen->HomePointerReport(report->Position, report->Buttons);
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        m_screen->Activate();
    return QDialog::event(event);
}

void TfrmParquetixScreenNew::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = FramePoint(event->position());
    if (inFrame(p))
        m_screen->SystemMousePress(p, buttonOf(event->button()));
}

void TfrmParquetixScreenNew::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = FramePoint(event->position());
    if (inFrame(p))
        m_screen->SystemMouseRelease(p, buttonOf(event->button()));
}

void TfrmParquetixScreenNew::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = FramePoint(event->position());
    if (inFrame(p))
        m_screen->SystemMouseMove(p);
}

void TfrmParquetixScreenNew::keyPressEvent(QKeyEvent *event)
{
    // Every key belongs to the screen; Escape and Enter do not close it.
    if (!event->isAutoRepeat())
        m_screen->KeyPress(
            TVirtualKeys::FromQt(event->key(), event->modifiers().testFlag(Qt::KeypadModifier)),
            event->modifiers().testFlag(Qt::ShiftModifier));
}

void TfrmParquetixScreenNew::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    const int key = TVirtualKeys::FromQt(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    m_screen->KeyRelease(key, event->modifiers().testFlag(Qt::ShiftModifier),
                         event->modifiers().testFlag(Qt::ControlModifier));
}

// ---------------------------------------------------------------- closing

void TfrmParquetixScreenNew::reject()
{
    if (!m_applicationEnded && !m_screen->ConfirmClose())
        return;
    QDialog::reject();
}

void TfrmParquetixScreenNew::done(int result)
{
    if (!m_shutDown) {
        m_shutDown = true;
        if (m_pointer)
            m_pointer->Close();
        m_screen->Shutdown();
    }
    QDialog::done(result);
}
