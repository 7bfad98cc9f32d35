#include "PictureLibrary.h"

#include "ButtonPainter.h"
#include "CourtPainter.h"
#include "ScoreboardPainter.h"
#include "ScreenPainter.h"
#include "ZoneMasks.h"
#include "geometry/ScreenPictures.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

QStringList PictureLibrary::languages()
{
    return {QStringLiteral("ENG"), QStringLiteral("HUN")};
}

QImage PictureLibrary::draw(const QString &name, const QString &language)
{
    auto is = [&](const char *n) { return name == QLatin1String(n); };
    if (is("SCREEN"))
        return ScreenPainter::screen(language);
    if (is("HISTORY"))
        return ScreenPainter::history(language);
    if (is("COURT_VERTICAL"))
        return CourtPainter::courtPicture(CourtOrientation::Vertical);
    if (is("COURT_HORIZONTAL"))
        return CourtPainter::courtPicture(CourtOrientation::Horizontal);
    if (is("MASK_VERTICAL"))
        return ZoneMasks::vertical();
    if (is("MASK_HORIZONTAL"))
        return ZoneMasks::horizontal();
    if (is("MINIPALYA"))
        return CourtPainter::miniCourt();
    if (is("FELPALYA"))
        return CourtPainter::halfCourt();
    if (name.startsWith(QLatin1String("GOMB")) || is("ADDTIME") || is("MENTES") || is("TECH") ||
        is("RECOVER"))
        return ButtonPainter::eventButton(name, language);
    if (is("BUNTETO") || is("TIMEOUT"))
        return ButtonPainter::barButton(name, language);
    if (is("PRINT") || is("PRINTALL"))
        return ButtonPainter::printButton(name, language);
    if (is("EXIT"))
        return ButtonPainter::exitButton();
    if (name.startsWith(QLatin1String("NEGYED")) || name.startsWith(QLatin1String("FELIDO")))
        return ScoreboardPainter::period(name, language);
    if (name.startsWith(QLatin1String("DIGIT")))
        return ScoreboardPainter::digit(name.mid(5).toInt());
    if (is("TEAMFOUL"))
        return ScoreboardPainter::teamFoulLamp();
    if (is("DEFENSE"))
        return ScoreboardPainter::defensePlate(language);
    if (is("BULLET"))
        return ScoreboardPainter::bullet();
    if (is("MARKER_MADE"))
        return ScoreboardPainter::madeMarker();
    if (is("MARKER_MISSED"))
        return ScoreboardPainter::missedMarker();
    if (is("CURSOR"))
        return ScoreboardPainter::cursor();
    return {};
}

QString PictureLibrary::write(const QString &root)
{
    for (const QString &language : languages()) {
        const QString folder = QDir(root).filePath(language);
        if (!QDir().mkpath(folder))
            return QStringLiteral("cannot create %1").arg(folder);
        for (const ScreenPictures::Picture &picture : ScreenPictures::All) {
            const QString name = QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size()));
            QImage image = draw(name, language);
            if (image.size() != QSize(picture.width, picture.height))
                return QStringLiteral("%1 drawn at %2 x %3, expected %4 x %5")
                    .arg(name)
                    .arg(image.width())
                    .arg(image.height())
                    .arg(picture.width)
                    .arg(picture.height);
            if (image.hasAlphaChannel())
                image = image.convertToFormat(QImage::Format_ARGB32);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "PNG"))
                return QStringLiteral("cannot encode %1").arg(name);
            const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
            // An unchanged picture keeps its file, so nothing rebuilds needlessly.
            QFile old(path);
            if (old.open(QIODevice::ReadOnly) && old.readAll() == png)
                continue;
            old.close();
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
                return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        }
    }
    return {};
}
