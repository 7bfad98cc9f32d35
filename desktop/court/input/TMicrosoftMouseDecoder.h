#pragma once

#include <QtGlobal>

// Decodes the byte stream of a Microsoft serial mouse (1200 baud, 7 data
// bits): three-byte packets whose first byte has bit 6 set, carrying the left
// and right buttons and signed 8-bit movements (y grows downwards), and the
// optional fourth byte of three-button mice that carries the middle button.
class TMicrosoftMouseDecoder
{
public:
    struct Packet
    {
        int Dx = 0;
        int Dy = 0;
        bool Left = false;
        bool Right = false;
        bool Middle = false;
    };

    // Takes one byte; true when it completed a packet (or a middle-button byte).
    bool Feed(quint8 byte, Packet *packet);

private:
    quint8 m_bytes[3] = {0, 0, 0};
    int m_count = 0;
    bool m_afterPacket = false;
    Packet m_last;
};
