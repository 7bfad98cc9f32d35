#include "TReferenceLists.h"

#include <QXmlStreamReader>

namespace {

// Optional sign and decimal digits only: "0x10", "1e3" or "12abc" are refused.
bool parseDecimal(QStringView text, int *value)
{
    const QStringView t = text.trimmed();
    qsizetype digits = t.startsWith(u'-') || t.startsWith(u'+') ? 1 : 0;
    if (digits == t.size())
        return false;
    for (qsizetype i = digits; i < t.size(); ++i)
        if (t.at(i) < u'0' || t.at(i) > u'9')
            return false;
    bool ok = false;
    *value = t.toInt(&ok, 10);
    return ok;
}

QString located(const QString &path, qint64 line, const QString &text)
{
    return QStringLiteral("%1, line %2: %3").arg(path).arg(line).arg(text);
}

} // namespace

void TReferenceLists::Clear()
{
    DefenseModes.clear();
    TurnoverTypes.clear();
    FoulTypes.clear();
    Absent = false;
}

bool TReferenceLists::Parse(const QByteArray &bytes, const QString &path, TReferenceLists &out,
                            QString *error)
{
    out.Clear();
    QXmlStreamReader xml(bytes);
    QString problem;
    qint64 problemLine = 0;
    const auto fail = [&](const QString &text) {
        problem = text;
        problemLine = xml.lineNumber();
    };

    if (xml.readNextStartElement()) {
        while (problem.isEmpty() && xml.readNextStartElement()) {
            const QStringView list = xml.name();
            TRefList *target = list == u"TeamDefenseModeList" ? &out.DefenseModes
                               : list == u"TurnoverTypeList"  ? &out.TurnoverTypes
                               : list == u"FoulTypeList"      ? &out.FoulTypes
                                                              : nullptr;
            if (!target) {
                xml.skipCurrentElement();
                continue;
            }
            while (problem.isEmpty() && xml.readNextStartElement()) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (!attributes.hasAttribute(QLatin1String("Id"))) {
                    fail(QStringLiteral("the item <%1> has no \"Id\"").arg(xml.name()));
                    break;
                }
                if (!attributes.hasAttribute(QLatin1String("Name"))) {
                    fail(QStringLiteral("the item <%1> has no \"Name\"").arg(xml.name()));
                    break;
                }
                const QStringView idText = attributes.value(QLatin1String("Id"));
                int id = 0;
                if (!parseDecimal(idText, &id)) {
                    fail(QStringLiteral("'%1' is not a valid integer value").arg(idText));
                    break;
                }
                target->append({attributes.value(QLatin1String("Name")).toString(), id});
                xml.skipCurrentElement();
            }
        }
    }
    // The rest of the document must be well-formed too.
    while (problem.isEmpty() && !xml.atEnd())
        xml.readNext();
    if (problem.isEmpty() && xml.hasError())
        fail(xml.errorString());
    if (problem.isEmpty())
        return true;

    out.Clear();
    if (error)
        *error = located(path, problemLine, problem);
    return false;
}
