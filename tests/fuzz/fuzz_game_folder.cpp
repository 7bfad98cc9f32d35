// Feeds arbitrary bytes as a saved game's folder to the loader: the seven
// files and the journal, each present or absent. A folder is read and
// checked, and when it is accepted the game is rebuilt from it in the load
// wizard's steps, once with each resend choice. The loader must refuse what
// it cannot use without crashing, and never fail once it has accepted.
//
// Input: one byte whose bits 0..7 say which of general_, hazai_,
// home_timeouts_, vendeg_, away_timeouts_, events_, events_notsend_ and the
// journal are present, then for each present file a 32-bit little-endian
// length (cut to what is left) and its bytes.
#include "model/game/TGame.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TGameFolder.h"
#include "savegame/TSaveJournal.h"
#include "shell/store/TGameLoader.h"

#include <QHash>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QHash<QString, QByteArray> folderOf(const uint8_t *data, size_t size)
{
    QHash<QString, QByteArray> files;
    if (size == 0)
        return files;
    const uint8_t mask = data[0];
    size_t at = 1;
    QStringList names = TGameFolder::GameFiles(QStringLiteral("F"));
    names.append(QString::fromLatin1(TSaveJournal::FileName));
    for (int i = 0; i < names.size(); ++i) {
        if (!(mask & (1u << i)))
            continue;
        uint32_t length = 0;
        if (size - at >= 4) {
            std::memcpy(&length, data + at, 4);
            at += 4;
        } else {
            at = size;
        }
        const size_t take = std::min<size_t>(length, size - at);
        files.insert(names[i], QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(take)));
        at += take;
    }
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TGameFolder folder(folderOf(data, size));
    TGameLoader loader;
    QString error;
    if (!loader.Read(folder, QStringLiteral("F"), &error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        return 0;
    }
    for (const TLoadOptions options :
         {TLoadOptions{}, TLoadOptions{.Online = true}, TLoadOptions{.Online = true, .ResendAll = true}}) {
        THeadlessScreen screen;
        TGame game;
        game.SetScreen(&screen);
        game.GameCode = QStringLiteral("F");
        loader.ApplyGameData(game);
        loader.ApplyRosters(game);
        if (!loader.ApplyEvents(game, options, &error)) {
            // Only a damaged unsent file, and only when it is resent.
            if (!(options.Online && !options.ResendAll && !loader.Saved().UnsentError.isEmpty()))
                std::abort();
            continue;
        }
        loader.ApplyScreenState(game);
        if (game.AllEvents.Count() != loader.Saved().Events.size())
            std::abort();
    }
    return 0;
}
