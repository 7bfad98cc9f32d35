#include "XlsxReader.h"

#include <QFile>
#include <QList>
#include <QXmlStreamReader>
#include <zlib.h>

namespace {

quint32 u32(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

bool inflateRaw(const QByteArray &in, qsizetype size, QByteArray &out)
{
    out.resize(size);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    z.avail_in = uInt(in.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END && z.total_out == uLong(size);
}

bool unzip(const QByteArray &zip, QMap<QString, QByteArray> &entries, QString &error)
{
    qsizetype end = zip.size() - 22;
    while (end >= 0 && u32(zip, end) != 0x06054b50)
        --end;
    if (end < 0) {
        error = QStringLiteral("no end of the central directory");
        return false;
    }
    const int count = u16(zip, end + 10);
    qsizetype at = u32(zip, end + 16);
    for (int i = 0; i < count; ++i) {
        if (at + 46 > zip.size() || u32(zip, at) != 0x02014b50) {
            error = QStringLiteral("a damaged central directory");
            return false;
        }
        const int method = u16(zip, at + 10);
        const quint32 packed = u32(zip, at + 20), size = u32(zip, at + 24);
        const int nameLength = u16(zip, at + 28), extra = u16(zip, at + 30), comment = u16(zip, at + 32);
        const quint32 local = u32(zip, at + 42);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLength));
        at += 46 + nameLength + extra + comment;
        const qsizetype data = local + 30 + u16(zip, local + 26) + u16(zip, local + 28);
        const QByteArray stored = zip.mid(data, packed);
        QByteArray content;
        if (method == 0)
            content = stored;
        else if (method != 8 || !inflateRaw(stored, size, content)) {
            error = QStringLiteral("entry %1 cannot be inflated").arg(name);
            return false;
        }
        entries.insert(name, content);
    }
    return true;
}

} // namespace

bool XlsxBook::Open(const QString &file, QString *error)
{
    QFile f(file);
    QString problem;
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (!unzip(f.readAll(), m_entries, problem)) {
        if (error)
            *error = problem;
        return false;
    }
    {
        QXmlStreamReader x(Entry(QStringLiteral("xl/workbook.xml")));
        while (!x.atEnd() && SheetName.isEmpty()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("sheet"))
                SheetName = x.attributes().value(QLatin1String("name")).toString();
        }
    }
    QList<QString> shared;
    {
        QXmlStreamReader x(Entry(QStringLiteral("xl/sharedStrings.xml")));
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("si"))
                shared.append(QString());
            else if (x.isStartElement() && x.name() == QLatin1String("t") && !shared.isEmpty())
                shared.last() += x.readElementText();
        }
    }
    // Styles: the bold of each font, the format codes, and each cell style's font and format.
    QList<bool> fontBold;
    QMap<int, QString> formatCodes{{0, QString()}, {1, QStringLiteral("0")}, {2, QStringLiteral("0.00")}};
    QList<QPair<int, int>> styles; // font, number format
    {
        QXmlStreamReader x(Entry(QStringLiteral("xl/styles.xml")));
        QString section;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement()) {
                const auto a = x.attributes();
                if (x.name() == QLatin1String("fonts") || x.name() == QLatin1String("cellXfs") ||
                    x.name() == QLatin1String("cellStyleXfs"))
                    section = x.name().toString();
                else if (x.name() == QLatin1String("numFmt"))
                    formatCodes.insert(a.value(QLatin1String("numFmtId")).toInt(),
                                       a.value(QLatin1String("formatCode")).toString());
                else if (x.name() == QLatin1String("font") && section == QLatin1String("fonts"))
                    fontBold.append(false);
                else if (x.name() == QLatin1String("b") && section == QLatin1String("fonts") &&
                         !fontBold.isEmpty())
                    fontBold.last() = true;
                else if (x.name() == QLatin1String("xf") && section == QLatin1String("cellXfs"))
                    styles.append({a.value(QLatin1String("fontId")).toInt(),
                                   a.value(QLatin1String("numFmtId")).toInt()});
            } else if (x.isEndElement() && x.name() == section) {
                section.clear();
            }
        }
    }
    QXmlStreamReader x(Entry(QStringLiteral("xl/worksheets/sheet1.xml")));
    XlsxCell cell;
    QString name, type;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("c")) {
            const auto a = x.attributes();
            cell = XlsxCell();
            name = a.value(QLatin1String("r")).toString();
            type = a.value(QLatin1String("t")).toString();
            const int style = a.value(QLatin1String("s")).toInt();
            if (style >= 0 && style < styles.size()) {
                cell.Bold = fontBold.value(styles[style].first);
                cell.NumberFormat = formatCodes.value(styles[style].second);
            }
        } else if (x.isStartElement() && x.name() == QLatin1String("f")) {
            cell.Formula = x.readElementText();
        } else if (x.isStartElement() && x.name() == QLatin1String("v")) {
            const QString v = x.readElementText();
            if (!cell.Formula.isEmpty()) {
                cell.Cached = v;
            } else if (type == QLatin1String("s")) {
                cell.IsText = true;
                cell.Text = shared.value(v.toInt());
            } else if (type == QLatin1String("str") || type == QLatin1String("inlineStr")) {
                cell.IsText = true;
                cell.Text = v;
            } else {
                cell.IsNumber = true;
                cell.Number = v.toDouble();
            }
        } else if (x.isStartElement() && x.name() == QLatin1String("t")) {
            cell.IsText = true;
            cell.Text += x.readElementText();
        } else if (x.isEndElement() && x.name() == QLatin1String("c")) {
            Cells.insert(name, cell);
        }
    }
    if (x.hasError()) {
        if (error)
            *error = x.errorString();
        return false;
    }
    return true;
}
