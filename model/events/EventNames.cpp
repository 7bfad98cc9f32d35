#include "EventNames.h"

#include <algorithm>

const QList<TEventName> &EventNames::Buttons()
{
    static const QList<TEventName> names = [] {
        QList<TEventName> buttons;
        for (const TEventKind &k : EventKindTable::All())
            if (k.Picture)
                buttons.append(k);
        std::sort(buttons.begin(), buttons.end(),
                  [](const TEventName &a, const TEventName &b) { return a.Kind < b.Kind; });
        return buttons;
    }();
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
