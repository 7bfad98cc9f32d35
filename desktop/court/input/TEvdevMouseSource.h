#pragma once

#include "TEvdevReportBuilder.h"
#include "TPointerSource.h"

#include <memory>

class QSocketNotifier;
struct libevdev;

// A second USB mouse read through evdev (a device such as /dev/input/event5).
// The device is grabbed, so it moves only the home pointer and never the
// system pointer.
class TEvdevMouseSource : public TPointerSource
{
    Q_OBJECT

public:
    TEvdevMouseSource(const QString &path, QObject *parent = nullptr);
    ~TEvdevMouseSource() override;

    bool Open(QString *error) override;
    void Close() override;
    QString Device() const override { return m_path; }

private:
    void readEvents();

    QString m_path;
    int m_fd = -1;
    libevdev *m_device = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    TEvdevReportBuilder m_builder;
};
