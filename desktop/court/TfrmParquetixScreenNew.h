#pragma once

#include "IScreenHost.h"
#include "TPictureLibrary.h"
#include "TScreenPainter.h"

#include <QDialog>
#include <memory>

class TCourtScreen;
class TLineupDialogs;
class TGame;
class THistoryDialogs;
class TPointerSource;

// The court screen's window: paints the screen's state scaled to the window
// and turns the system mouse, the keyboard and the home pointer's reports
// into points of the 1000 x 688 frame for the screen's rules.
class TfrmParquetixScreenNew : public QDialog, public IScreenHost
{
    Q_OBJECT

public:
    // libraryFolder: the pictures of the interface language.
    TfrmParquetixScreenNew(TGame &game, const QString &libraryFolder, QWidget *parent = nullptr);
    ~TfrmParquetixScreenNew() override;

    TCourtScreen &Screen() { return *m_screen; }
    TLineupDialogs &LineupDialogs() { return *m_lineupDialogs; }
    const TPictureLibrary &Pictures() const { return m_pictures; }
    THistoryDialogs &HistoryDialogs() { return *m_historyDialogs; }

    // The creation steps that need the game's teams, and the home pointer
    // when the settings choose the serial mouse.
    void Open();
    // Opens a pointer source for the home team; a failure is shown in the
    // status area and the other inputs keep working.
    bool AttachPointer(std::unique_ptr<TPointerSource> source);
    bool ApplicationEnded() const { return m_applicationEnded; }

    // Window and frame coordinates.
    QPoint FramePoint(const QPointF &windowPoint) const;
    QPointF WindowPoint(QPoint framePoint) const;

    // IScreenHost
    void PaintNow() override;
    void EndApplication() override;
    int ConfirmScore(const QString &text) override;

    void done(int result) override;
    void reject() override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool inFrame(QPoint p) const;

    TGame &m_game;
    std::unique_ptr<TCourtScreen> m_screen;
    TPictureLibrary m_pictures;
    TScreenPainter m_painter;
    std::unique_ptr<TPointerSource> m_pointer;
    std::unique_ptr<THistoryDialogs> m_historyDialogs;
    std::unique_ptr<TLineupDialogs> m_lineupDialogs;
    bool m_shutDown = false;
    bool m_applicationEnded = false;
};
