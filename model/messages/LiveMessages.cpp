#include "LiveMessages.h"

#include "model/events/EventKindTable.h"

namespace LiveMessages {

namespace {

QString code(int kod)
{
    return QStringLiteral("kod=%1").arg(kod, 4, 10, QLatin1Char('0'));
}

QString num(int v)
{
    return QString::number(v);
}

QString time(const QString &stamp)
{
    return QStringLiteral("&time=") + stamp;
}

QString head(const QString &server, int kod, int id, const QString &gameCode)
{
    return server + code(kod) + QStringLiteral("&id=") + num(id) + QStringLiteral("&szkod=") +
           TextValue(gameCode);
}

bool breaksValue(QChar c)
{
    // "#" ends a message of a batch, "&" and "=" split pairs, "?" starts a
    // query, "%" and "+" are decoded by servers, blanks and controls break
    // the request line.
    static const QString special = QStringLiteral("&=#?%+ ");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || special.contains(c);
}

QString escaped(QChar c)
{
    return QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
}

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

} // namespace

QString Cut(const QString &message)
{
    QString cut = message.left(MaxLength);
    // A cut %XX would decode into something else.
    const qsizetype percent = cut.lastIndexOf(QLatin1Char('%'));
    if (percent >= 0 && percent > cut.size() - 3 && message.size() > MaxLength)
        cut.truncate(percent);
    return cut;
}

QString TextValue(const QString &text)
{
    QString v;
    v.reserve(text.size());
    for (const QChar c : text)
        v += breaksValue(c) ? escaped(c) : QString(c);
    return v;
}

QString NameValue(const QString &name)
{
    QString v;
    v.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char(' '))
            v += QLatin1Char('_');
        else if (c == QLatin1Char('_') || breaksValue(c))
            v += escaped(c);
        else
            v += c;
    }
    return v;
}

QString DecodedValue(const QString &value)
{
    QString v;
    v.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() && value[i] == QLatin1Char('%') ? hexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(value[i + 2]) : -1;
        if (low >= 0) {
            v += QChar(high * 16 + low);
            i += 2;
        } else {
            v += value[i];
        }
    }
    return v;
}

QString ScorePair(int home, int away)
{
    return QStringLiteral("&hpont=") + num(home) + QStringLiteral("&vpont=") + num(away);
}

QString GameHeader(const QString &server, const QString &gameCode, const QString &stamp,
                   const QString &homeName, const QString &awayName)
{
    return Cut(server + code(1) + QStringLiteral("&szkod=") + TextValue(gameCode) + time(stamp) +
               QStringLiteral("&h=") + NameValue(homeName) + QStringLiteral("&v=") + NameValue(awayName));
}

static QString placeText(RosterPlace place)
{
    switch (place) {
    case RosterPlace::HomeCourt:
        return QStringLiteral("&k=1&h=1&jat=1");
    case RosterPlace::HomeBench:
        return QStringLiteral("&k=0&h=1&jat=0");
    case RosterPlace::AwayCourt:
        return QStringLiteral("&k=1&h=0&jat=1");
    case RosterPlace::AwayBench:
        return QStringLiteral("&k=0&h=0&jat=0");
    }
    return {};
}

QString RosterEntry(const QString &server, const QString &gameCode, const QString &stamp,
                    const QString &webId, RosterPlace place, const QString &name, int jersey)
{
    return Cut(server + code(2) + QStringLiteral("&szkod=") + TextValue(gameCode) + time(stamp) +
               QStringLiteral("&p=") + TextValue(webId) + placeText(place) + QStringLiteral("&j=") +
               NameValue(name) + QStringLiteral("&mz=") + num(jersey));
}

QString AddedPlayer(const QString &server, const QString &gameCode, const QString &webId, bool home,
                    const QString &name, int jersey)
{
    return Cut(server + code(2) + QStringLiteral("&szkod=") + TextValue(gameCode) + QStringLiteral("&p=") +
               TextValue(webId) + QStringLiteral("&k=0&h=") +
               (home ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("&jat=0&j=") +
               NameValue(name) + QStringLiteral("&mz=") + num(jersey));
}

QString Shot(const QString &server, bool made, int id, const QString &gameCode, int type,
             const QString &webId, int x, int y, const QString &stamp)
{
    QString m = head(server, made ? 1000 : 1001, id, gameCode) + QStringLiteral("&tipus=") + num(type) +
                QStringLiteral("&jatekos=") + TextValue(webId);
    if (type != 4)
        m += QStringLiteral("&x=") + num(x) + QStringLiteral("&y=") + num(y);
    return Cut(m + time(stamp));
}

QString PlayerEvent(const QString &server, int kod, int id, const QString &gameCode, bool withType,
                    const QString &webId, const QString &stamp)
{
    return Cut(head(server, kod, id, gameCode) + (withType ? QStringLiteral("&tipus=0") : QString()) +
               QStringLiteral("&jatekos=") + TextValue(webId) + time(stamp));
}

QString Substitution(const QString &server, int id, const QString &gameCode, const QString &webIdIn,
                     const QString &webIdOut, const QString &teamWebId, const QString &stamp)
{
    return Cut(head(server, 1011, id, gameCode) + QStringLiteral("&jatekosbe=") + TextValue(webIdIn) +
               QStringLiteral("&jatekoski=") + TextValue(webIdOut) + QStringLiteral("&csapat=") +
               TextValue(teamWebId) + time(stamp));
}

QString ClockStep(const QString &server, int id, const QString &gameCode, int minutes, const QString &stamp)
{
    return Cut(head(server, 1100, id, gameCode) + QStringLiteral("&ido=") + num(minutes) + time(stamp));
}

QString PeriodEnd(const QString &server, int id, const QString &gameCode, int period, const QString &stamp)
{
    return Cut(head(server, 1101, id, gameCode) + QStringLiteral("&jr=") + num(period) + time(stamp));
}

QString GameClosed(const QString &server, int id, const QString &gameCode, const QString &stamp)
{
    return Cut(head(server, 1102, id, gameCode) + time(stamp));
}

QString MinutesReport(const QString &server, int id, const QString &gameCode, const QString &stamp,
                      const QList<MinutesEntry> &players)
{
    QString m = head(server, 2000, id, gameCode) + time(stamp);
    for (const MinutesEntry &e : players)
        m += QStringLiteral("&p[%1]=").arg(e.Position) + TextValue(e.WebId) +
             QStringLiteral("&i[%1]=").arg(e.Position) + num(e.PlayingTime);
    return Cut(m);
}

QString TeamEvent(const QString &server, int kod, int id, const QString &gameCode, bool withType,
                  const QString &teamWebId, int side, const QString &stamp)
{
    return Cut(head(server, kod, id, gameCode) + (withType ? QStringLiteral("&tipus=0") : QString()) +
               QStringLiteral("&jatekos=") + TextValue(teamWebId) + QStringLiteral("&csapat=") + num(side) +
               time(stamp));
}

QString Timeout(const QString &server, int id, const QString &gameCode, int side, const QString &stamp)
{
    return Cut(head(server, 2011, id, gameCode) + QStringLiteral("&csapat=") + num(side) + time(stamp));
}

QString EventDeleted(const QString &server, int id, const QString &gameCode, int deletedId,
                     const QString &stamp)
{
    return Cut(head(server, 5000, id, gameCode) + QStringLiteral("&iddel=") + num(deletedId) + time(stamp));
}

QString GameTimeSet(const QString &server, int id, const QString &gameCode, const QString &enteredTime,
                    const QString &stamp)
{
    QString t = enteredTime;
    t.remove(QLatin1Char(':'));
    return Cut(head(server, 6001, id, gameCode) + QStringLiteral("&time=") + t + time(stamp));
}

QString Notice(const QString &server, int kod, const QString &gameCode, const QString &stamp)
{
    return Cut(server + code(kod) + QStringLiteral("&szkod=") + TextValue(gameCode) + time(stamp));
}

QString DefenseMode(const QString &server, int modeIndex, int id, const QString &gameCode,
                    const QString &teamWebId, int side, const QString &stamp)
{
    return Cut(server + code(9999) + QStringLiteral("&tipus=") + num(modeIndex) + QStringLiteral("&id=") +
               num(id) + QStringLiteral("&szkod=") + TextValue(gameCode) + QStringLiteral("&jatekos=") +
               TextValue(teamWebId) + QStringLiteral("&csapat=") + num(side) + time(stamp));
}

int PlayerCode(int kind)
{
    const TEventKind *k = EventKindTable::Find(kind);
    return k ? k->PlayerCode : 0;
}

int TeamCode(int kind)
{
    const TEventKind *k = EventKindTable::Find(kind);
    return k ? k->TeamCode : 0;
}

} // namespace LiveMessages
