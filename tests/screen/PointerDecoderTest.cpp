#include "desktop/court/input/TEvdevReportBuilder.h"
#include "desktop/court/input/TMicrosoftMouseDecoder.h"
#include "desktop/court/input/TPointerTracker.h"
#include "desktop/court/input/TSerialMouseSource.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace {

// The three bytes of a Microsoft serial mouse packet.
QList<quint8> packet(int dx, int dy, bool left, bool right)
{
    const quint8 x = quint8(qint8(dx));
    const quint8 y = quint8(qint8(dy));
    return {quint8(0x40 | (left ? 0x20 : 0) | (right ? 0x10 : 0) | ((y >> 4) & 0x0c) | ((x >> 6) & 0x03)),
            quint8(x & 0x3f), quint8(y & 0x3f)};
}

QList<TMicrosoftMouseDecoder::Packet> feed(TMicrosoftMouseDecoder &d, const QList<quint8> &bytes)
{
    QList<TMicrosoftMouseDecoder::Packet> out;
    for (quint8 b : bytes) {
        TMicrosoftMouseDecoder::Packet p;
        if (d.Feed(b, &p))
            out.append(p);
    }
    return out;
}

} // namespace

TEST(MicrosoftMouse, DecodesMovementAndButtons)
{
    TMicrosoftMouseDecoder d;
    const auto out = feed(d, packet(5, -3, true, false) + packet(-128, 127, false, true));
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].Dx, 5);
    EXPECT_EQ(out[0].Dy, -3);
    EXPECT_TRUE(out[0].Left);
    EXPECT_FALSE(out[0].Right);
    EXPECT_EQ(out[1].Dx, -128);
    EXPECT_EQ(out[1].Dy, 127);
    EXPECT_FALSE(out[1].Left);
    EXPECT_TRUE(out[1].Right);
}

TEST(MicrosoftMouse, FourthByteCarriesTheMiddleButton)
{
    TMicrosoftMouseDecoder d;
    auto out = feed(d, packet(1, 1, false, false) + QList<quint8>{0x20});
    ASSERT_EQ(out.size(), 2);
    EXPECT_TRUE(out[1].Middle);
    EXPECT_EQ(out[1].Dx, 0);
    // The middle button stays down through packets until a fourth byte releases it.
    out = feed(d, packet(2, 0, true, false));
    ASSERT_EQ(out.size(), 1);
    EXPECT_TRUE(out[0].Middle);
    EXPECT_TRUE(out[0].Left);
    out = feed(d, packet(0, 0, false, false) + QList<quint8>{0x00});
    ASSERT_EQ(out.size(), 2);
    EXPECT_FALSE(out[1].Middle);
}

TEST(MicrosoftMouse, ResynchronisesOnTheNextFirstByte)
{
    TMicrosoftMouseDecoder d;
    // A stray data byte, a torn packet, then a whole one: only the whole packet counts.
    QList<quint8> bytes = {0x15};
    bytes += packet(9, 9, true, true).mid(0, 2);
    bytes += packet(-1, 2, false, true);
    const auto out = feed(d, bytes);
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0].Dx, -1);
    EXPECT_EQ(out[0].Dy, 2);
    EXPECT_FALSE(out[0].Left);
}

TEST(PointerTracker, StaysInsideItsArea)
{
    TPointerTracker t;
    t.SetArea(1000, 688);
    t.GotoXY(500, 300);
    EXPECT_TRUE(t.Move(-600, 20));
    EXPECT_EQ(t.Position(), QPoint(0, 320));
    EXPECT_FALSE(t.Move(-5, 0));
    t.Move(5000, 5000);
    EXPECT_EQ(t.Position(), QPoint(999, 687));
}

TEST(EvdevMouse, OneReportPerSynchronisation)
{
    TEvdevReportBuilder b;
    TEvdevReportBuilder::Report r;
    EXPECT_FALSE(b.Feed(EV_REL, REL_X, 3, &r));
    EXPECT_FALSE(b.Feed(EV_REL, REL_Y, -2, &r));
    EXPECT_FALSE(b.Feed(EV_REL, REL_X, 4, &r));
    ASSERT_TRUE(b.Feed(EV_SYN, SYN_REPORT, 0, &r));
    EXPECT_EQ(r.Dx, 7);
    EXPECT_EQ(r.Dy, -2);
    EXPECT_EQ(r.Buttons, 0);
    // Buttons: left 0x01, right 0x02, middle 0x10.
    b.Feed(EV_KEY, BTN_LEFT, 1, &r);
    b.Feed(EV_KEY, BTN_MIDDLE, 1, &r);
    ASSERT_TRUE(b.Feed(EV_SYN, SYN_REPORT, 0, &r));
    EXPECT_EQ(r.Buttons, 0x11);
    EXPECT_EQ(r.Dx, 0);
    b.Feed(EV_KEY, BTN_LEFT, 0, &r);
    b.Feed(EV_KEY, BTN_RIGHT, 1, &r);
    ASSERT_TRUE(b.Feed(EV_SYN, SYN_REPORT, 0, &r));
    EXPECT_EQ(r.Buttons, 0x12);
    // Nothing changed: no report. A wheel is not a movement.
    b.Feed(EV_REL, REL_WHEEL, 1, &r);
    EXPECT_FALSE(b.Feed(EV_SYN, SYN_REPORT, 0, &r));
}

TEST(SerialMouse, ComPortNamesMeanTheMachinesSerialPorts)
{
    EXPECT_EQ(TSerialMouseSource::PortName(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(TSerialMouseSource::PortName(QStringLiteral("com12")), QStringLiteral("/dev/ttyS11"));
    EXPECT_EQ(TSerialMouseSource::PortName(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(TSerialMouseSource::PortName(QStringLiteral("COM0")), QStringLiteral("COM0"));
}

TEST(SerialMouse, AMissingPortIsReportedNotFatal)
{
    TSerialMouseSource source(QStringLiteral("/dev/parquetix-no-such-port"));
    QString error;
    EXPECT_FALSE(source.Open(&error));
    EXPECT_TRUE(error.contains(QLatin1String("/dev/parquetix-no-such-port"))) << error.toStdString();
}
