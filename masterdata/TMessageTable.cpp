#include "TMessageTable.h"

#include "model/services/Services.h"

namespace {

QList<TMessageTable::TEntry> buildEntries()
{
    using M = TMessageTable;
    auto s = [](const char *text) { return QString::fromUtf8(text); };
    return {
        {"MsgTeamNameRequired", &M::MsgTeamNameRequired, {s("A csapat nevenek kitoltese koteleto!")}},
        {"MsgPlayerNameRequired", &M::MsgPlayerNameRequired, {s("A jatekos nevenek kitoltese koteleto!")}},
        {"MsgBirthDateRequired",
         &M::MsgBirthDateRequired,
         {s("A jatekos szuletési datumanak kitoltese koteleto!")}},
        {"MsgLeagueNameRequired", &M::MsgLeagueNameRequired, {s("A liga nevenek kitoltese koteleto!")}},
        {"MsgNotOnlineLoad", &M::MsgNotOnlineLoad, {s("Biztos, hogy nem online a merkozes?")}},
        {"MsgTotalTimeWrong", &M::MsgTotalTimeWrong, {s("A szamitott ossz ido nem helyes!")}},
        {"MsgLeagueRequired", &M::MsgLeagueRequired, {s("A Liga megadása kötelezo!")}},
        {"MsgHomeTeamRequired", &M::MsgHomeTeamRequired, {s("A Hazai csapat megadása kotelezo!")}},
        {"MsgAwayTeamRequired", &M::MsgAwayTeamRequired, {s("A Vendég csapat megadása kotelezo!")}},
        {"MsgSendingNotFinished",
         &M::MsgSendingNotFinished,
         {s("Az mérkozes esemenyeinek elkuldese meg nem fejezodott be. Bezarja a alkalmazast?!")}},
        {"MsgNoMoreTimeout", &M::MsgNoMoreTimeout, {s("Idokeres mar nem lehetseges!")}},
        {"MsgNetworkError", &M::MsgNetworkError, {s("Network error")}},
        {"MsgNotOnlineNewGame", &M::MsgNotOnlineNewGame, {s("Biztos, hogy nem online a merkozes?")}},
        {"MsgSaveFolderRequired",
         &M::MsgSaveFolderRequired,
         {s("A mérkozés adatainak mentesehez meg kell adni egy könyvtárnevet!")}},
        {"MsgFolderMayHoldGame",
         &M::MsgFolderMayHoldGame,
         {s("A kiválasztott könyvtár már tartalmazhat mérközés adatokat!"),
          s("Egy korábbi mérközés adatai igy felülíródhatnak!"), s("Folytatja?")}},
        {"MsgSameNamePlayers",
         &M::MsgSameNamePlayers,
         {s("Azonos nevu játékosok nem szerepelhetnek a csapaban!")}},
        {"MsgSameJerseyPlayers",
         &M::MsgSameJerseyPlayers,
         {s("Azonos mezszámú játékosok nem szerepelhetnek a csapaban!")}},
        {"MsgNoConnection",
         &M::MsgNoConnection,
         {s("Cannot connect to the server. Check the network connection and the proxy settings!")}},
        {"MsgUpdateFailed", &M::MsgUpdateFailed, {s("The server refused the update!")}},
        {"MsgRestartSending", &M::MsgRestartSending, {s("Restart data sending!")}},
        {"MsgConnected", &M::MsgConnected, {s("Connected!")}},
        {"MsgNotConnected", &M::MsgNotConnected, {s("Not connected!")}},
        {"MsgShotDunk", &M::MsgShotDunk, {s("dunk")}},
        {"MsgShotLayup", &M::MsgShotLayup, {s("Layup")}},
        {"MsgShotTwo", &M::MsgShotTwo, {s("2 pointer")}},
        {"MsgShotThree", &M::MsgShotThree, {s("3 pointer")}},
        {"MsgPeriodReallyOver", &M::MsgPeriodReallyOver, {s("A negyednek tényleg vége?")}},
        {"MsgDirectoryInvalid", &M::MsgDirectoryInvalid, {s("The specified directory is invalid!")}},
        {"MsgBirthDateInvalid",
         &M::MsgBirthDateInvalid,
         {s("The birth date is not a date! Write it as yyyymmdd, for example 19990412.")}},
        {"MsgGameDateInvalid",
         &M::MsgGameDateInvalid,
         {s("The date of the game is not a date! Write it as dd.mm.yyyy, for example 01.05.2027.")}},
        {"MsgGameHourInvalid",
         &M::MsgGameHourInvalid,
         {s("The hour of the game is not a time! Write it as hh:mm, for example 18:30.")}},
    };
}

} // namespace

const QList<TMessageTable::TEntry> &TMessageTable::Entries()
{
    static const QList<TEntry> entries = buildEntries();
    return entries;
}

void TMessageTable::BuildMessageTable(ITranslator &translator)
{
    for (const TEntry &e : Entries()) {
        QStringList parts;
        for (const QString &source : e.sources)
            parts << translator.Translate(source, QStringLiteral("FORM"));
        this->*e.field = parts.join(QStringLiteral("\n\r"));
    }
}

QString TMessageTable::Text(const QString &name) const
{
    for (const TEntry &e : Entries())
        if (name == QLatin1String(e.name))
            return this->*e.field;
    return {};
}
