#include "EventNames.h"

#include "EventKinds.h"

const QList<TEventName> &EventNames::Buttons()
{
    static const QList<TEventName> names{
        {Kind::DefensiveRebound, "GOMB1", "védőlepattanó", "védőlepattanó", "VÉDŐ", "D.REB"},
        {Kind::Steal, "GOMB2", "labdaszerzés", "labdaszerzés", "LABDASZ", "STEAL"},
        {Kind::FoulDrawn, "GOMB3", "kiharcolt személyi", "kiharcolt személyi", "KIHARC", "DRAWN"},
        {Kind::Assist, "GOMB4", "gólpassz", "assist", "GÓLP.", "ASSIST"},
        {Kind::BlockReceived, "GOMB5", "hiba", "hiba", "K.BLOKK", "BLK.REC"},
        {Kind::OffensiveRebound, "GOMB6", "támadólepattanó", "támadólepattanó", "TÁMADÓ", "O.REB"},
        {Kind::Turnover, "GOMB7", "eladott labda", "eladott labda", "ELAD.", "T.O."},
        {Kind::PersonalFoul, "GOMB8", "személyi hiba", "személyi hiba", "SZEM.H.", "FOUL"},
        {Kind::Block, "GOMB9", "blokkolt dobás", "blokkolt dobás", "BLOKK", "BLOCK"},
    };
    return names;
}

const TEventName *EventNames::Find(int kind)
{
    for (const TEventName &n : Buttons())
        if (n.Kind == kind)
            return &n;
    return nullptr;
}

QString EventNames::Caption(const QString &picture, const QString &language)
{
    for (const TEventName &n : Buttons())
        if (picture == QLatin1String(n.Picture))
            return QString::fromUtf8(language == QLatin1String("HUN") ? n.CaptionHun : n.CaptionEng);
    return {};
}

bool EventNames::Abbreviates(const QString &caption, const QString &name)
{
    const QString wanted = caption.toLower();
    const QString in = name.toLower();
    qsizetype at = 0;
    bool first = true;
    for (const QChar c : wanted) {
        if (!c.isLetter())
            continue;
        if (first) {
            // The first letter begins a word of the name.
            qsizetype start = 0;
            while (start < in.size() && !(in.at(start) == c && (start == 0 || !in.at(start - 1).isLetter())))
                ++start;
            if (start == in.size())
                return false;
            at = start + 1;
            first = false;
            continue;
        }
        at = in.indexOf(c, at);
        if (at < 0)
            return false;
        ++at;
    }
    return !first;
}
