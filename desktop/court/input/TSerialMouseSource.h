#pragma once

#include "TMicrosoftMouseDecoder.h"
#include "TPointerSource.h"

#include <QSerialPort>

// A Microsoft serial mouse on a serial port.
class TSerialMouseSource : public TPointerSource
{
    Q_OBJECT

public:
    TSerialMouseSource(const QString &port, QObject *parent = nullptr);
    ~TSerialMouseSource() override;

    // "COMn" names the n-th serial port of the machine, /dev/ttyS(n-1).
    static QString PortName(const QString &setting);

    bool Open(QString *error) override;
    void Close() override;
    QString Device() const override { return m_name; }

private:
    void readBytes();

    QString m_name;
    QSerialPort m_port;
    TMicrosoftMouseDecoder m_decoder;
};
