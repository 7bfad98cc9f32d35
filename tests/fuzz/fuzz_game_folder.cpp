// Feeds arbitrary bytes as a saved game's folder to the loader: the seven
// files, the journal, the manifest or any other file. A folder is read and
// checked, and when it is accepted (as it stands, or else as damaged, as the
// operator may choose) the game is rebuilt from it in the load wizard's steps,
// once with each resend choice. The loader must refuse what it cannot use
// without crashing, and never fail once it has accepted.
//
// Input: a flag byte, then files one after another, each a one-byte name
// length, the name, a 32-bit little-endian length (cut to what is left) and
// its bytes; a zero name length ends the folder. Flag bit 0 makes the
// checksums of the journal record and of the manifest right before reading,
// so that mutations inside them get past the checksum to the fields behind
// it. tests/fuzz/make-corpus.sh packs saved folders so.
#include "model/game/TGame.h"
#include "model/services/THeadlessScreen.h"
#include "savegame/TGameFolder.h"
#include "savegame/TSaveJournal.h"
#include "savegame/TSaveManifest.h"
#include "shell/store/TGameLoader.h"

#include <QHash>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The CRC-32 at crcAt of the bytes from `from` to the length kept at
// lengthAt, as the record's writer would have put it.
void repairChecksum(QByteArray &bytes, int lengthAt, int crcAt, int from)
{
    if (bytes.size() < from)
        return;
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + lengthAt);
    if (length < quint32(from) || length > quint32(bytes.size()))
        return;
    const quint32 crc = TSaveManifest::Crc(QByteArrayView(bytes).sliced(from, qsizetype(length) - from));
    qToLittleEndian(crc, bytes.data() + crcAt);
}

QHash<QString, QByteArray> folderOf(const uint8_t *data, size_t size)
{
    QHash<QString, QByteArray> files;
    if (size == 0)
        return files;
    const bool repair = data[0] & 1;
    size_t at = 1;
    while (at < size && data[at] != 0) {
        const size_t nameLength = std::min<size_t>(data[at], size - at - 1);
        const QString name =
            QString::fromLatin1(reinterpret_cast<const char *>(data + at + 1), qsizetype(nameLength));
        at += 1 + nameLength;
        uint32_t length = 0;
        if (size - at >= 4) {
            std::memcpy(&length, data + at, 4);
            at += 4;
        } else {
            at = size;
        }
        const size_t take = std::min<size_t>(length, size - at);
        files.insert(name, QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(take)));
        at += take;
    }
    if (repair) {
        const QString journal = QString::fromLatin1(TSaveJournal::FileName);
        const QString manifest = QString::fromLatin1(TSaveManifest::FileName);
        if (files.contains(journal))
            repairChecksum(files[journal], 8, 12, 16);
        if (files.contains(manifest))
            repairChecksum(files[manifest], 4, 8, 12);
    }
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TGameFolder folder(folderOf(data, size));
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
