// Feeds arbitrary bytes as a saved game's folder to the loader: the seven
// files, the journal, the manifest or any other file. A folder is read and
// checked, and when it is accepted (as it stands, or else as damaged, as the
// operator may choose) the game is rebuilt from it in the load wizard's steps,
// once with each resend choice. The loader must refuse what it cannot use
// without crashing, and never fail once it has accepted.
//
// Input: a packed folder (PackedFolder.h); tests/fuzz/make-corpus.sh packs
// saved folders so.
#include "PackedFolder.h"
#include "model/game/TGame.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TGameFolder.h"
#include "shell/store/TGameLoader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TGameFolder folder(PackedFolder::Unpack(data, size));
    // As the load commands find it.
    const QString code = folder.GameCode();
    TGameLoader loader;
    QString error;
    if (!loader.Read(folder, code, &error)) {
        if (error.isEmpty())
            std::abort(); // a refusal always says why
        error.clear();
        if (!loader.Read(folder, code, &error, TLoadOptions{.LoadDamaged = true})) {
            if (error.isEmpty())
                std::abort();
            return 0;
        }
    }
    for (const TLoadOptions options :
         {TLoadOptions{}, TLoadOptions{.Online = true}, TLoadOptions{.Online = true, .ResendAll = true}}) {
        THeadlessScreen screen;
        TGame game;
        game.SetScreen(&screen);
        game.GameCode = code;
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
