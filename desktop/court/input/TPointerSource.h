#pragma once

#include "TPointerTracker.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

// A second pointer for the home team's recorder: a device that reports
// movements and buttons, turned into absolute positions in the screen's
// 1000 x 688 area and the three button states (bit 0 left, bit 1 right,
// bit 4 middle), one report per movement or button change.
class TPointerSource : public QObject
{
    Q_OBJECT

public:
    static constexpr int Left = 0x01;
    static constexpr int Right = 0x02;
    static constexpr int Middle = 0x10;

    using QObject::QObject;
    ~TPointerSource() override = default;

    // The source for a COMPORT setting: an evdev device for a path under
    // /dev/input/, otherwise a serial port ("COM1" means /dev/ttyS0).
    static std::unique_ptr<TPointerSource> ForPort(const QString &comPort, QObject *parent = nullptr);

    // Opens the device; false with the reason when it cannot be read.
    virtual bool Open(QString *error) = 0;
    virtual void Close() = 0;
    virtual QString Device() const = 0;

    void SetArea(int width, int height) { m_tracker.SetArea(width, height); }
    void GotoXY(int x, int y) { m_tracker.GotoXY(x, y); }
    QPoint Position() const { return m_tracker.Position(); }

signals:
    void Report(QPoint position, int buttons);
    // The device went away or failed while reading.
    void Failed(const QString &reason);

protected:
    // One decoded report of the device: movement and the buttons held now.
    void deliver(int dx, int dy, int buttons);

private:
    TPointerTracker m_tracker;
    int m_buttons = 0;
};
