#include "geometry/CourtGeometry.h"
#include "geometry/ScreenPictures.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QStringList Languages = {QStringLiteral("ENG"), QStringLiteral("HUN")};

QString libraryFolder(const QString &language)
{
    return binaryFolder() + QStringLiteral("/Library/") + language;
}

QImage picture(const QString &language, const QString &name)
{
    return QImage(libraryFolder(language) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString nameOf(const ScreenPictures::Picture &p)
{
    return QString::fromLatin1(p.name.data(), qsizetype(p.name.size()));
}

struct Sized
{
    const char *name;
    int width, height;
};

} // namespace

// The sizes the screen's layout gives each picture.
TEST(PictureLibrary, PicturesHaveTheSizesOfTheScreenLayout)
{
    const Sized stated[] = {
        {"SCREEN", 1000, 688},
        {"COURT_VERTICAL", 423, 422},
        {"COURT_HORIZONTAL", 423, 422},
        {"MASK_VERTICAL", 240, 359},
        {"MASK_HORIZONTAL", 359, 240},
        {"GOMB1", 32, 47},
        {"GOMB2", 32, 47},
        {"GOMB3", 32, 47},
        {"GOMB4", 32, 47},
        {"GOMB5", 32, 47},
        {"GOMB6", 32, 47},
        {"GOMB7", 32, 47},
        {"GOMB8", 32, 47},
        {"GOMB9", 32, 47},
        {"GOMB10", 32, 47},
        {"GOMB11", 32, 47},
        {"MENTES", 32, 47},
        {"TECH", 32, 47},
        {"RECOVER", 32, 47},
        {"ADDTIME", 32, 47},
        {"BUNTETO", 43, 9},
        {"TIMEOUT", 43, 9},
        {"NEGYED1", 39, 11},
        {"NEGYED2", 39, 11},
        {"NEGYED3", 39, 11},
        {"NEGYED4", 39, 11},
        {"NEGYEDH", 39, 11},
        {"TEAMFOUL", 18, 18},
        {"DEFENSE", 95, 56},
        {"BULLET", 10, 10},
        {"MARKER_MADE", 8, 8},
        {"MARKER_MISSED", 10, 10},
        {"EXIT", 23, 23},
        {"CURSOR", 11, 19},
        {"PRINT", 33, 53},
        {"MINIPALYA", 200, 300},
    };
    for (const QString &language : Languages) {
        for (const Sized &s : stated) {
            const QImage image = picture(language, QString::fromLatin1(s.name));
            ASSERT_FALSE(image.isNull()) << language.toStdString() << "/" << s.name;
            EXPECT_EQ(image.size(), QSize(s.width, s.height)) << language.toStdString() << "/" << s.name;
        }
        for (int digit = 0; digit <= 9; ++digit)
            EXPECT_EQ(picture(language, QStringLiteral("DIGIT%1").arg(digit)).size(), QSize(14, 25)) << digit;
        // The change dialog's half court holds the mask's top half at (30, 19).
        const QImage half = picture(language, QStringLiteral("FELPALYA"));
        EXPECT_GE(half.width(), 30 + 240);
        EXPECT_GE(half.height(), 19 + 180);
        // The history box covers the scroll and filter buttons of both teams.
        const QImage history = picture(language, QStringLiteral("HISTORY"));
        EXPECT_GE(ScreenPictures::HomeHistory.left + history.width(), 280);
        EXPECT_GE(ScreenPictures::HomeHistory.top + history.height(), 165);
        EXPECT_LE(ScreenPictures::AwayHistory.left, 720);
        EXPECT_GE(ScreenPictures::AwayHistory.left + history.width(), 981);
        EXPECT_LE(ScreenPictures::AwayHistory.top, 454);
        EXPECT_GE(ScreenPictures::AwayHistory.top + history.height(), 615);
        EXPECT_LE(ScreenPictures::AwayHistory.left + history.width(), 1000);
        EXPECT_LE(ScreenPictures::AwayHistory.top + history.height(), 688);
    }
}

TEST(PictureLibrary, EveryListedPictureIsWrittenForEveryLanguage)
{
    for (const QString &language : Languages) {
        QStringList expected;
        for (const ScreenPictures::Picture &p : ScreenPictures::All) {
            expected << nameOf(p) + QStringLiteral(".png");
            const QImage image = picture(language, nameOf(p));
            ASSERT_FALSE(image.isNull()) << language.toStdString() << "/" << p.name;
            EXPECT_EQ(image.size(), QSize(p.width, p.height)) << p.name;
        }
        QStringList found = QDir(libraryFolder(language)).entryList(QDir::Files);
        expected.sort();
        found.sort();
        EXPECT_EQ(found, expected) << language.toStdString();
    }
}

TEST(PictureLibrary, CaptionsFollowTheLanguageAndNothingElseDoes)
{
    for (const ScreenPictures::Picture &p : ScreenPictures::All) {
        const QByteArray english = fileBytes(libraryFolder(QStringLiteral("ENG")) + "/" + nameOf(p) + ".png");
        const QByteArray hungarian =
            fileBytes(libraryFolder(QStringLiteral("HUN")) + "/" + nameOf(p) + ".png");
        ASSERT_FALSE(english.isEmpty()) << p.name;
        if (!p.hasText) {
            EXPECT_EQ(english, hungarian) << p.name;
        }
    }
    for (const char *name : {"GOMB1", "MENTES", "TIMEOUT", "NEGYED1", "HISTORY", "SCREEN", "DEFENSE"}) {
        EXPECT_NE(fileBytes(libraryFolder(QStringLiteral("ENG")) + "/" + name + ".png"),
                  fileBytes(libraryFolder(QStringLiteral("HUN")) + "/" + name + ".png"))
            << name;
    }
}

TEST(PictureLibrary, ZoneMasksAreTwentyFourBitPictures)
{
    for (const char *name : {"MASK_VERTICAL", "MASK_HORIZONTAL"}) {
        const QByteArray png = fileBytes(libraryFolder(QStringLiteral("ENG")) + "/" + name + ".png");
        ASSERT_GT(png.size(), 26) << name;
        // IHDR: bit depth 8, colour type 2 (red, green, blue; no alpha, no palette).
        EXPECT_EQ(png.at(24), 8) << name;
        EXPECT_EQ(png.at(25), 2) << name;
    }
}

TEST(PictureLibrary, ZoneMasksFollowTheCourtGeometryPixelByPixel)
{
    const QImage vertical = picture(QStringLiteral("ENG"), QStringLiteral("MASK_VERTICAL"));
    const QImage horizontal = picture(QStringLiteral("ENG"), QStringLiteral("MASK_HORIZONTAL"));
    ASSERT_EQ(vertical.size(), QSize(240, 359));
    ASSERT_EQ(horizontal.size(), QSize(359, 240));
    const QRgb layup = qRgb(254, 0, 1), two = qRgb(13, 1, 253), three = qRgb(6, 254, 1),
               dunk = qRgb(246, 255, 0);
    for (int y = 0; y < vertical.height(); ++y) {
        for (int x = 0; x < vertical.width(); ++x) {
            const QRgb pixel = vertical.pixel(x, y);
            ASSERT_TRUE(pixel == layup || pixel == two || pixel == three || pixel == dunk) << x << "," << y;
            ASSERT_EQ(CourtGeometry::zoneOfRgb(pixel), CourtGeometry::zoneAt(x, y)) << x << "," << y;
            ASSERT_EQ(pixel, vertical.pixel(x, 358 - y)) << x << "," << y;
            ASSERT_EQ(horizontal.pixel(y, 239 - x), pixel) << x << "," << y;
        }
    }
    // The places the screen's rules name.
    EXPECT_EQ(vertical.pixel(121, 22), dunk);
    EXPECT_EQ(vertical.pixel(121, 336), dunk);
    EXPECT_EQ(vertical.pixel(74, 0), layup);
    EXPECT_EQ(vertical.pixel(168, 358), layup);
    EXPECT_EQ(vertical.pixel(121, 70), two);
    EXPECT_EQ(vertical.pixel(10, 5), three);
    EXPECT_EQ(vertical.pixel(230, 353), three);
    EXPECT_EQ(vertical.pixel(120, 179), three);
}

// Away from every zone border, the painted court shows what the mask says:
// the painted key over the layup zone, bare wood (or white line) elsewhere.
TEST(PictureLibrary, CourtPicturesAgreeWithTheMasks)
{
    for (auto orientation : {CourtOrientation::Vertical, CourtOrientation::Horizontal}) {
        const bool vertical = orientation == CourtOrientation::Vertical;
        const QImage court = picture(QStringLiteral("ENG"), vertical ? QStringLiteral("COURT_VERTICAL")
                                                                     : QStringLiteral("COURT_HORIZONTAL"));
        ASSERT_FALSE(court.isNull());
        const CourtPoint origin = CourtGeometry::maskOrigin(orientation);
        const int width = vertical ? 240 : 359, height = vertical ? 359 : 240;
        auto zone = [&](int x, int y) {
            return vertical ? CourtGeometry::zoneAt(x, y) : CourtGeometry::horizontalZoneAt(x, y);
        };
        int checked = 0;
        for (int y = 4; y < height - 4; ++y) {
            for (int x = 4; x < width - 4; ++x) {
                const ShotZone z = zone(x, y);
                bool inner = true;
                for (int dy = -2; dy <= 2 && inner; ++dy) {
                    for (int dx = -2; dx <= 2 && inner; ++dx)
                        inner = zone(x + dx, y + dy) == z;
                }
                // The baskets and the painted centre circle are left out.
                const int vx = vertical ? x : 239 - y, vy = vertical ? y : x;
                const int fromBaseline = std::min(vy, 358 - vy);
                if (!inner || z == ShotZone::Dunk || (fromBaseline < 30 && std::abs(vx - 121) < 14) ||
                    (std::abs(vy - 179) < 33 && std::abs(vx - 120) < 33))
                    continue;
                const QColor c = court.pixelColor(origin.x - 287 + x, origin.y - 74 + y);
                if (z == ShotZone::Layup)
                    ASSERT_GT(c.blue(), c.red()) << x << "," << y;
                else
                    ASSERT_GT(c.red(), c.blue()) << x << "," << y;
                ++checked;
            }
        }
        EXPECT_GT(checked, 50000);
    }
}

// The painted three-point line runs where the mask changes from two to three
// points, give or take a pixel.
TEST(PictureLibrary, ThreePointLineIsPaintedOnTheZoneBorder)
{
    for (auto orientation : {CourtOrientation::Vertical, CourtOrientation::Horizontal}) {
        const bool vertical = orientation == CourtOrientation::Vertical;
        const QImage court = picture(QStringLiteral("ENG"), vertical ? QStringLiteral("COURT_VERTICAL")
                                                                     : QStringLiteral("COURT_HORIZONTAL"));
        ASSERT_FALSE(court.isNull());
        const CourtPoint origin = CourtGeometry::maskOrigin(orientation);
        const int width = vertical ? 240 : 359, height = vertical ? 359 : 240;
        auto zone = [&](int x, int y) {
            return vertical ? CourtGeometry::zoneAt(x, y) : CourtGeometry::horizontalZoneAt(x, y);
        };
        auto white = [&](int x, int y) {
            const QColor c = court.pixelColor(origin.x - 287 + x, origin.y - 74 + y);
            return std::min({c.red(), c.green(), c.blue()}) >= 225;
        };
        int borders = 0;
        for (int y = 2; y < height - 3; ++y) {
            for (int x = 2; x < width - 3; ++x) {
                const ShotZone z = zone(x, y);
                if (z != ShotZone::TwoPointer && z != ShotZone::ThreePointer)
                    continue;
                const ShotZone other =
                    z == ShotZone::TwoPointer ? ShotZone::ThreePointer : ShotZone::TwoPointer;
                if (zone(x + 1, y) == other) {
                    ++borders;
                    ASSERT_TRUE(white(x - 1, y) || white(x, y) || white(x + 1, y) || white(x + 2, y))
                        << x << "," << y;
                }
                if (zone(x, y + 1) == other) {
                    ++borders;
                    ASSERT_TRUE(white(x, y - 1) || white(x, y) || white(x, y + 1) || white(x, y + 2))
                        << x << "," << y;
                }
            }
        }
        EXPECT_GT(borders, 400);
    }
}

TEST(PictureLibrary, GeneratorIsDeterministic)
{
    const QString generator = binaryFolder() + QStringLiteral("/parquetix-picgen");
    ASSERT_TRUE(QFile::exists(generator));
    TestHome first, second;
    for (const TestHome *home : {&first, &second}) {
        QProcess run;
        run.start(generator, {home->file(QStringLiteral("Library"))});
        ASSERT_TRUE(run.waitForFinished(60000));
        ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    }
    for (const QString &language : Languages) {
        for (const ScreenPictures::Picture &p : ScreenPictures::All) {
            const QString file = QStringLiteral("Library/") + language + "/" + nameOf(p) + ".png";
            const QByteArray a = first.read(file);
            ASSERT_FALSE(a.isEmpty()) << file.toStdString();
            EXPECT_EQ(a, second.read(file)) << file.toStdString();
        }
    }
}

TEST(PictureLibrary, GeneratorRefusesAMissingOutputFolder)
{
    QProcess run;
    run.start(binaryFolder() + QStringLiteral("/parquetix-picgen"), {});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_NE(run.exitCode(), 0);
    EXPECT_TRUE(run.readAllStandardError().contains("usage"));
}
