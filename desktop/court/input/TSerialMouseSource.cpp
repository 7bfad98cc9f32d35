#include "TSerialMouseSource.h"

#include <QRegularExpression>

TSerialMouseSource::TSerialMouseSource(const QString &port, QObject *parent) : TPointerSource(parent)
{
    m_name = PortName(port);
    m_port.setPortName(m_name);
    connect(&m_port, &QSerialPort::readyRead, this, &TSerialMouseSource::readBytes);
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError) {
            const QString reason = QStringLiteral("%1: %2").arg(m_name, m_port.errorString());
            m_port.close();
            emit Failed(reason);
        }
    });
}

TSerialMouseSource::~TSerialMouseSource()
{
    Close();
}

QString TSerialMouseSource::PortName(const QString &setting)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(setting.trimmed());
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return setting.trimmed();
}

bool TSerialMouseSource::Open(QString *error)
{
    if (m_name.isEmpty()) {
        if (error)
            *error = QStringLiteral("no serial port is set (COMPORT)");
        return false;
    }
    if (!m_port.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_name, m_port.errorString());
        return false;
    }
    const bool set = m_port.setBaudRate(QSerialPort::Baud1200) && m_port.setDataBits(QSerialPort::Data7) &&
                     m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
                     m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_name, m_port.errorString());
        m_port.close();
        return false;
    }
    // The mouse draws its power from the control lines.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    return true;
}

void TSerialMouseSource::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

void TSerialMouseSource::readBytes()
{
    const QByteArray bytes = m_port.readAll();
    for (const char c : bytes) {
        TMicrosoftMouseDecoder::Packet packet;
        if (!m_decoder.Feed(quint8(c), &packet))
            continue;
        const int buttons =
            (packet.Left ? Left : 0) | (packet.Right ? Right : 0) | (packet.Middle ? Middle : 0);
        deliver(packet.Dx, packet.Dy, buttons);
    }
}
