#include "TLiveTexts.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace {

// Texts of the pages the program never prints: key, Hungarian, English.
struct OwnText
{
    const char *key;
    const char *hun;
    const char *eng;
};

const OwnText OwnTexts[] = {
    {"Not started", "Még nem kezdődött el", "Not started"},
    {"Between periods", "Szünet", "Between periods"},
    {"Final", "Végeredmény", "Final"},
    {"min played", "perc játszva", "min played"},
    {"Play-by-play", "Eseménynapló", "Play-by-play"},
    {"Score graph", "Eredménygrafikon", "Score graph"},
    {"Leaders", "Legjobbak", "Leaders"},
    {"Team fouls", "Csapathibák", "Team fouls"},
    {"Timeouts", "Időkérések", "Timeouts"},
    {"All shots", "Minden dobás", "All shots"},
    {"Assists", "Gólpasszok", "Assists"},
    {"Points", "Pontok", "Points"},
    {"Player", "Játékos", "Player"},
    {"No events yet.", "Még nincs esemény.", "No events yet."},
    {"No game with this code has sent anything yet.", "Ezzel a kóddal még nem érkezett adat.",
     "No game with this code has sent anything yet."},
    {"Live", "Élő", "Live"},
    {"Reconnecting…", "Újracsatlakozás…", "Reconnecting…"},
    {"All games", "Minden mérkőzés", "All games"},
    {"on court", "pályán", "on court"},
    {"Game", "Mérkőzés", "Game"},
    {"Team", "Csapat", "Team"},
    {"Substitution", "Csere", "Substitution"},
    {"defence mode", "védekezési forma", "defence mode"},
    {"The roster of this game was not received: events of unknown players are left out.",
     "A mérkőzés kerete nem érkezett meg: az ismeretlen játékosok eseményei kimaradnak.",
     "The roster of this game was not received: events of unknown players are left out."},
};

} // namespace

TLiveTexts::Language TLiveTexts::choose(const QByteArray &choice, const QByteArray &acceptLanguage)
{
    if (choice == "hu")
        return Language::Hungarian;
    if (choice == "en")
        return Language::English;
    // "hu-HU,hu;q=0.9,en;q=0.8": the highest weight wins, the earlier on a tie.
    double best = -1;
    Language chosen = Language::English;
    for (const QByteArray &item : acceptLanguage.split(',')) {
        const QList<QByteArray> parts = item.trimmed().split(';');
        const QByteArray tag = parts.value(0).trimmed().toLower();
        double weight = 1;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QByteArray p = parts[i].trimmed();
            if (p.startsWith("q="))
                weight = p.mid(2).toDouble();
        }
        const QByteArray primary = tag.split('-').value(0);
        if ((primary == "hu" || primary == "en") && weight > 0 && weight > best) {
            best = weight;
            chosen = primary == "hu" ? Language::Hungarian : Language::English;
        }
    }
    return chosen;
}

TLiveTexts::TLiveTexts(Language language) : m_language(language) {}

const QHash<QString, std::pair<QString, QString>> &TLiveTexts::table()
{
    static const QHash<QString, std::pair<QString, QString>> texts = [] {
        QHash<QString, std::pair<QString, QString>> t;
        QFile file(QStringLiteral(":/parquetix-live/translations.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return t;
        int hun = -1;
        int eng = -1;
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine());
            while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (hun < 0) {
                hun = int(cells.indexOf(QStringLiteral("HUN")));
                eng = int(cells.indexOf(QStringLiteral("ENG")));
                continue;
            }
            if (cells.size() < 2 || t.contains(cells[1]))
                continue;
            t.insert(cells[1], {cells.value(hun), cells.value(eng)});
        }
        return t;
    }();
    return texts;
}

QString TLiveTexts::tr(const QString &key) const
{
    const auto row = table().constFind(key);
    if (row != table().cend()) {
        const QString &text = m_language == Language::Hungarian ? row->first : row->second;
        if (!text.isEmpty())
            return text;
    }
    const auto own = std::find_if(std::begin(OwnTexts), std::end(OwnTexts),
                                  [&](const OwnText &t) { return key == QLatin1String(t.key); });
    if (own != std::end(OwnTexts))
        return QString::fromUtf8(m_language == Language::Hungarian ? own->hun : own->eng);
    return key;
}
