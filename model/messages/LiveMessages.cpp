#include "LiveMessages.h"

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
    return server + code(kod) + QStringLiteral("&id=") + num(id) + QStringLiteral("&szkod=") + gameCode;
}

} // namespace

QString Cut(const QString &message)
{
    return message.left(MaxLength);
}

QString NameValue(const QString &name)
{
    QString v = name;
    v.replace(QLatin1Char(' '), QLatin1Char('_'));
    return v;
}

QString ScorePair(int home, int away)
{
    return QStringLiteral("&hpont=") + num(home) + QStringLiteral("&vpont=") + num(away);
}

QString GameHeader(const QString &server, const QString &gameCode, const QString &stamp,
                   const QString &homeName, const QString &awayName)
{
    return Cut(server + code(1) + QStringLiteral("&szkod=") + gameCode + time(stamp) + QStringLiteral("&h=") +
               NameValue(homeName) + QStringLiteral("&v=") + NameValue(awayName));
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
    return Cut(server + code(2) + QStringLiteral("&szkod=") + gameCode + time(stamp) + QStringLiteral("&p=") +
               webId + placeText(place) + QStringLiteral("&j=") + NameValue(name) + QStringLiteral("&mz=") +
               num(jersey));
}

QString AddedPlayer(const QString &server, const QString &gameCode, const QString &webId, bool home,
                    const QString &name, int jersey)
{
    return Cut(server + code(2) + QStringLiteral("&szkod=") + gameCode + QStringLiteral("&p=") + webId +
               QStringLiteral("&k=0&h=") + (home ? QStringLiteral("1") : QStringLiteral("0")) +
               QStringLiteral("&jat=0&j=") + NameValue(name) + QStringLiteral("&mz=") + num(jersey));
}

QString Shot(const QString &server, bool made, int id, const QString &gameCode, int type,
             const QString &webId, int x, int y, const QString &stamp)
{
    QString m = head(server, made ? 1000 : 1001, id, gameCode) + QStringLiteral("&tipus=") + num(type) +
                QStringLiteral("&jatekos=") + webId;
    if (type != 4)
        m += QStringLiteral("&x=") + num(x) + QStringLiteral("&y=") + num(y);
    return Cut(m + time(stamp));
}

QString PlayerEvent(const QString &server, int kod, int id, const QString &gameCode, bool withType,
                    const QString &webId, const QString &stamp)
{
    return Cut(head(server, kod, id, gameCode) + (withType ? QStringLiteral("&tipus=0") : QString()) +
               QStringLiteral("&jatekos=") + webId + time(stamp));
}

QString Substitution(const QString &server, int id, const QString &gameCode, const QString &webIdIn,
                     const QString &webIdOut, const QString &teamWebId, const QString &stamp)
{
    return Cut(head(server, 1011, id, gameCode) + QStringLiteral("&jatekosbe=") + webIdIn +
               QStringLiteral("&jatekoski=") + webIdOut + QStringLiteral("&csapat=") + teamWebId +
               time(stamp));
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
        m += QStringLiteral("&p[%1]=").arg(e.Position) + e.WebId + QStringLiteral("&i[%1]=").arg(e.Position) +
             num(e.PlayingTime);
    return Cut(m);
}

QString TeamEvent(const QString &server, int kod, int id, const QString &gameCode, bool withType,
                  const QString &teamWebId, int side, const QString &stamp)
{
    return Cut(head(server, kod, id, gameCode) + (withType ? QStringLiteral("&tipus=0") : QString()) +
               QStringLiteral("&jatekos=") + teamWebId + QStringLiteral("&csapat=") + num(side) +
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
    return Cut(server + code(kod) + QStringLiteral("&szkod=") + gameCode + time(stamp));
}

QString DefenseMode(const QString &server, int modeIndex, int id, const QString &gameCode,
                    const QString &teamWebId, int side, const QString &stamp)
{
    return Cut(server + code(9999) + QStringLiteral("&tipus=") + num(modeIndex) + QStringLiteral("&id=") +
               num(id) + QStringLiteral("&szkod=") + gameCode + QStringLiteral("&jatekos=") + teamWebId +
               QStringLiteral("&csapat=") + num(side) + time(stamp));
}

int PlayerCode(int kind)
{
    switch (kind) {
    case 1001:
        return 1002;
    case 1002:
        return 1004;
    case 1003:
        return 1006;
    case 1004:
        return 1008;
    case 1005:
        return 1010;
    case 1006:
        return 1003;
    case 1007:
        return 1005;
    case 1008:
        return 1007;
    case 1009:
        return 1009;
    case 1012:
        return 1000;
    case 1013:
        return 1001;
    case 1019:
        return 1020;
    default:
        return 0;
    }
}

int TeamCode(int kind)
{
    switch (kind) {
    case 1001:
        return 2002;
    case 1002:
        return 2004;
    case 1003:
        return 2006;
    case 1004:
        return 2008;
    case 1005:
        return 2010;
    case 1006:
        return 2003;
    case 1007:
        return 2005;
    case 1008:
        return 2007;
    case 1009:
        return 2009;
    case 1019:
        return 2020;
    case 1020:
        return 2010;
    default:
        return 0;
    }
}

} // namespace LiveMessages
