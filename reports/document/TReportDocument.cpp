#include "TReportDocument.h"

#include "model/services/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QPainter>
#include <QStringList>

namespace {
constexpr double A4LongMm = 297.0;
constexpr double A4ShortMm = 210.0;
} // namespace

namespace {

// Images are read once per run: print all and copies draw the same logo often.
QImage cachedImage(const QString &file)
{
    static QMutex lock;
    static QHash<QString, QImage> cache;
    const QMutexLocker locked(&lock);
    auto it = cache.find(file);
    if (it == cache.end()) {
        QImageReader reader(file);
        reader.setAutoTransform(true);
        it = cache.insert(file, reader.read());
    }
    return it.value();
}

} // namespace

void TReportDrawing::Paint(QPainter &painter, const QRectF &target) const
{
    const QSizeF frame = Size();
    if (frame.isEmpty())
        return;
    const double scale = std::min(target.width() / frame.width(), target.height() / frame.height());
    painter.save();
    painter.translate(target.center().x() - frame.width() * scale / 2,
                      target.center().y() - frame.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), frame));
    Draw(painter);
    painter.restore();
}

std::shared_ptr<const TReportImage> TReportImage::File(const QString &file)
{
    auto image = std::make_shared<TReportImage>();
    image->m_file = file;
    return image;
}

std::shared_ptr<const TReportImage> TReportImage::Composed(const QImage &composed)
{
    auto image = std::make_shared<TReportImage>();
    image->m_image = composed;
    return image;
}

QImage TReportImage::Image() const
{
    return m_file.isEmpty() ? m_image : cachedImage(m_file);
}

QSizeF TReportImage::Size() const
{
    return Image().size().toSizeF();
}

void TReportImage::Paint(QPainter &painter, const QRectF &target) const
{
    const QImage image = Image();
    if (image.isNull())
        return;
    QSizeF size = image.size().toSizeF();
    size.scale(target.size(), Qt::KeepAspectRatio);
    const QRectF place(target.center().x() - size.width() / 2, target.center().y() - size.height() / 2,
                       size.width(), size.height());
    painter.drawImage(place, image);
}

QStringList TReportImage::Describe() const
{
    const QSize size = Image().size();
    const QString extent = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    return {m_file.isEmpty() ? QStringLiteral("image ") + extent
                             : QStringLiteral("image %1 %2").arg(QFileInfo(m_file).fileName(), extent)};
}

TReportLine &TReportPage::AppendLine(const QString &band)
{
    if (Bands.isEmpty() || Bands.last().Name != band)
        Bands.append(TReportBand{band, {}});
    Bands.last().Lines.append(TReportLine());
    return Bands.last().Lines.last();
}

QString ReportImagePath(const QString &setting, const QString &folder)
{
    if (setting.trimmed().isEmpty())
        return QString();
    if (QDir::isAbsolutePath(setting) || folder.isEmpty())
        return setting;
    return QDir(folder).filePath(setting);
}

namespace ReportCells {

TReportCell Text(const QString &name, const QString &value, double x, double y, double w, double h,
                 Align align, bool bold, double size)
{
    TReportCell c;
    c.Name = name;
    c.Text = value;
    c.Place = QRectF(x, y, w, h);
    c.Alignment = align;
    c.Bold = bold;
    c.PointSize = size;
    return c;
}

TReportCell Caption(const QString &name, const QString &key, double x, double y, double w, double h,
                    Align align, bool bold, double size)
{
    TReportCell c = Text(name, key, x, y, w, h, align, bold, size);
    c.Caption = true;
    return c;
}

TReportCell Image(const QString &name, const QString &file, double x, double y, double w, double h)
{
    return Picture(name, TReportImage::File(file), x, y, w, h);
}

TReportCell Picture(const QString &name, std::shared_ptr<const TReportPicture> picture, double x, double y,
                    double w, double h)
{
    TReportCell c = Text(name, QString(), x, y, w, h);
    c.Picture = std::move(picture);
    return c;
}

} // namespace ReportCells

double TReportDocument::ContentWidth() const
{
    return (Landscape ? A4LongMm : A4ShortMm) - 2 * MarginMm;
}

double TReportDocument::ContentHeight() const
{
    return (Landscape ? A4ShortMm : A4LongMm) - 2 * MarginMm;
}

const TReportCell *TReportDocument::Find(const QString &name) const
{
    for (const TReportPage &page : Pages)
        for (const TReportBand &band : page.Bands)
            for (const TReportLine &line : band.Lines)
                for (const TReportCell &cell : line.Cells)
                    if (cell.Name == name)
                        return &cell;
    return nullptr;
}

QList<const TReportLine *> TReportDocument::Lines(const QString &band) const
{
    QList<const TReportLine *> lines;
    for (const TReportPage &page : Pages)
        for (const TReportBand &b : page.Bands)
            if (b.Name == band)
                for (const TReportLine &line : b.Lines)
                    lines.append(&line);
    return lines;
}

namespace {

// A JSON string literal; the keys are written in the order the format gives,
// which QJsonObject would sort.
QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

QByteArray TReportDocument::ToJson() const
{
    QStringList bands;
    QHash<QString, int> lineIndex;
    for (const TReportPage &page : Pages)
        for (const TReportBand &band : page.Bands)
            for (const TReportLine &line : band.Lines) {
                QStringList cells;
                for (const TReportCell &cell : line.Cells) {
                    QString entry =
                        QStringLiteral("      {\"name\": %1, \"text\": %2, \"bold\": %3, \"underline\": %4")
                            .arg(quoted(cell.Name), quoted(cell.Text), boolText(cell.Bold),
                                 boolText(cell.Underline));
                    // A picture with nothing to draw stays out, as it stays off the paper.
                    if (cell.Picture && !cell.Picture->Size().isEmpty()) {
                        QStringList items;
                        for (const QString &item : cell.Picture->Describe())
                            items.append(QStringLiteral("        ") + quoted(item));
                        entry += QStringLiteral(", \"drawing\": [") +
                                 (items.isEmpty() ? QString()
                                                  : QLatin1Char('\n') + items.join(QStringLiteral(",\n")) +
                                                        QStringLiteral("\n      ")) +
                                 QLatin1Char(']');
                    }
                    cells.append(entry + QLatin1Char('}'));
                }
                bands.append(QStringLiteral("    {\"band\": %1, \"line\": %2, \"cells\": [%3]}")
                                 .arg(quoted(band.Name))
                                 .arg(lineIndex[band.Name]++)
                                 .arg(cells.isEmpty()
                                          ? QString()
                                          : QLatin1Char('\n') + cells.join(QStringLiteral(",\n")) +
                                                QStringLiteral("\n    ")));
            }
    const QString json = QStringLiteral("{\n  \"report\": %1,\n  \"pages\": %2,\n  \"bands\": [%3]\n}\n")
                             .arg(quoted(ReportClass))
                             .arg(Pages.size())
                             .arg(bands.isEmpty() ? QString()
                                                  : QLatin1Char('\n') + bands.join(QStringLiteral(",\n")) +
                                                        QStringLiteral("\n  "));
    return json.toUtf8();
}

void TranslateReport(TReportDocument &document, ITranslator &translator)
{
    for (TReportPage &page : document.Pages)
        for (TReportBand &band : page.Bands)
            for (TReportLine &line : band.Lines)
                for (TReportCell &cell : line.Cells)
                    if (cell.Caption && !cell.Text.isEmpty()) {
                        cell.Text = translator.Translate(cell.Text, QStringLiteral("PRINT"));
                        cell.Caption = false;
                    }
}
