#include "Captions.h"

#include "model/events/EventNames.h"

#include <cstring>

namespace {

struct Caption
{
    const char *key;
    const char *english;
    const char *hungarian;
};

// Captions stay short: an event button is 32 pixels wide.
const Caption Table[] = {
    // The nine event buttons are named by the game model's table.
    {"GOMB10", "MINUTE", "PERC"},
    {"GOMB11", "END", "VÉGE"},
    {"ADDTIME", "+15 s", "+15 mp"},
    {"MENTES", "SAVE", "MENTÉS"},
    {"TECH", "TECH", "TECHN."},
    {"RECOVER", "RECOV.", "INDIR."},
    {"BUNTETO", "FT", "BÜNTETŐ"},
    {"TIMEOUT", "TIMEOUT", "IDŐKÉRÉS"},
    {"NEGYED1", "1ST", "1.NEGYED"},
    {"NEGYED2", "2ND", "2.NEGYED"},
    {"NEGYED3", "3RD", "3.NEGYED"},
    {"NEGYED4", "4TH", "4.NEGYED"},
    {"NEGYEDH", "OT", "HOSSZ."},
    {"FELIDO1", "1ST", "1.FÉLIDŐ"},
    {"FELIDO2", "2ND", "2.FÉLIDŐ"},
    {"PRINT", "PRINT", "NYOMT."},
    {"PRINTALL", "ALL", "MIND"},
    {"DEFENSE", "DEFENSE", "VÉDEKEZÉS"},
    {"HistoryPlayer", "PLAYER", "JÁTÉKOS"},
    {"HistoryEvent", "EVENT", "ESEMÉNY"},
    {"HistoryGoTo", "GO TO", "UGRÁS"},
    {"HistoryDelete", "DELETE", "TÖRLÉS"},
    {"TeamFouls", "TEAM FOULS", "CSAPATHIBÁK"},
};

} // namespace

QString Captions::text(const char *key, const QString &language)
{
    const QString event = EventNames::Caption(QLatin1String(key), language);
    if (!event.isEmpty())
        return event;
    for (const Caption &c : Table) {
        if (std::strcmp(c.key, key) == 0)
            return QString::fromUtf8(language == QLatin1String("HUN") ? c.hungarian : c.english);
    }
    return QString::fromLatin1(key);
}
