// The multipart body of the batch and the upload, byte for byte.
#include "transmission/TMsMultiPartFormDataStream.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Afternoon(QDate(2024, 1, 2), QTime(13, 14, 15, 16));

TEST(MultipartTest, BoundaryIs27HyphensAndTheTime)
{
    EXPECT_EQ(TMsMultiPartFormDataStream::boundaryFor(Afternoon),
              "---------------------------010224131415016");
    // 24-hour clock, two-digit year, three-digit milliseconds.
    EXPECT_EQ(TMsMultiPartFormDataStream::boundaryFor(QDateTime(QDate(2031, 12, 9), QTime(21, 5, 9, 7))),
              "---------------------------120931210509007");
    EXPECT_EQ(TMsMultiPartFormDataStream(Afternoon).contentType(),
              "multipart/form-data; boundary=---------------------------010224131415016");
}

TEST(MultipartTest, BodyIsBuiltExactlyFromTheFields)
{
    TMsMultiPartFormDataStream form(Afternoon);
    form.AddField("name", "ABC1DEF2");
    form.AddField("box", "Home 40 Away 38 100%");
    form.AddField("zip", "UEsDBA==");
    form.CloseBody();

    const QByteArray b = "---------------------------010224131415016";
    const QByteArray expected =
        "--" + b + "\r\n" + "Content-Disposition: form-data; name=\"name\"\r\n\r\nABC1DEF2" + "\r\n--" + b +
        "\r\n" + "Content-Disposition: form-data; name=\"box\"\r\n\r\nHome 40 Away 38 100%" + "\r\n--" + b +
        "\r\n" + "Content-Disposition: form-data; name=\"zip\"\r\n\r\nUEsDBA==" + "\r\n--" + b + "--\r\n";
    EXPECT_EQ(form.data(), expected);
    EXPECT_TRUE(form.isClosed());
}

TEST(MultipartTest, ValuesAreCarriedUnchanged)
{
    TMsMultiPartFormDataStream form(Afternoon);
    const QByteArray value = QByteArray("kod=1000&j=Kov\xe1"
                                        "cs%20#\r\n\0end",
                                        27);
    form.AddField("gamedata", value);
    form.CloseBody();
    const QByteArray head =
        "--" + form.boundary() + "\r\nContent-Disposition: form-data; name=\"gamedata\"\r\n\r\n";
    EXPECT_EQ(form.data(), head + value + "\r\n--" + form.boundary() + "--\r\n");
}

TEST(MultipartTest, FieldAfterCloseStartsANewBody)
{
    TMsMultiPartFormDataStream form(Afternoon);
    form.AddField("gamecode", "G1");
    form.AddField("gamedata", "a#");
    form.CloseBody();
    form.AddField("gamecode", "G2");
    form.CloseBody();
    const QByteArray b = form.boundary();
    EXPECT_EQ(form.data(), "--" + b +
                               "\r\nContent-Disposition: form-data; name=\"gamecode\"\r\n\r\nG2\r\n--" + b +
                               "--\r\n");
}

} // namespace
