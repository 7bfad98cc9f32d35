#include "TMicrosoftMouseDecoder.h"

bool TMicrosoftMouseDecoder::Feed(quint8 byte, Packet *packet)
{
    byte &= 0x7f;
    if (byte & 0x40) {
        m_bytes[0] = byte;
        m_count = 1;
        m_afterPacket = false;
        return false;
    }
    if (m_count == 0) {
        // A byte right after a packet is the middle button of a three-button mouse.
        if (!m_afterPacket)
            return false;
        m_afterPacket = false;
        m_last.Dx = 0;
        m_last.Dy = 0;
        m_last.Middle = (byte & 0x20) != 0;
        *packet = m_last;
        return true;
    }
    m_bytes[m_count++] = byte;
    if (m_count < 3)
        return false;
    m_count = 0;
    m_afterPacket = true;
    const quint8 b0 = m_bytes[0];
    m_last.Left = (b0 & 0x20) != 0;
    m_last.Right = (b0 & 0x10) != 0;
    m_last.Dx = qint8(quint8(((b0 & 0x03) << 6) | (m_bytes[1] & 0x3f)));
    m_last.Dy = qint8(quint8(((b0 & 0x0c) << 4) | (m_bytes[2] & 0x3f)));
    *packet = m_last;
    return true;
}
