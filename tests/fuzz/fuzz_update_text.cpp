// libFuzzer target for the master data update text: the bytes as the server
// would send them (Windows-1250), parsed and merged into an in-memory
// database that is emptied before each input.
//
// Checks beyond "no crash": parsing is deterministic, every block parsed is
// merged (a text without one is refused), no refused league is merged, a
// second import of the same text adds no row, and the import never touches
// the translations or the languages.

#include "masterdata/TMessageTable.h"
#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct TTarget
{
    TdmMain dm{QStringLiteral(":memory:")};
    TIdentityTranslator translator;
    TMessageTable messages;
    TOnlineUpdate update{dm, translator, messages};
};

TTarget *target = nullptr;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_update_text: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // the SQL driver is a plugin
    target = new TTarget;
    if (!target->dm.OpenAll())
        fail("cannot open the in-memory database");
    target->messages.BuildMessageTable(target->translator);
    target->dm.UpsertLanguage(QStringLiteral("HUN"), QStringLiteral("Magyar"));
    target->dm.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"), QStringLiteral("a"),
                                 QStringLiteral("b"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TdmMain &dm = target->dm;
    for (const QString &table : TSchema::MasterDataTables())
        if (!dm.Query(QStringLiteral("DELETE FROM \"%1\"").arg(table), {}))
            fail("cannot empty a table");

    const QString text =
        TUpdateText::Decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const TUpdateText first = TUpdateText::Parse(text);
    const TUpdateText again = TUpdateText::Parse(text);
    if (first.blocks.size() != again.blocks.size() || first.skipped.size() != again.skipped.size())
        fail("parsing is not deterministic");

    const TOnlineUpdate::TResult result = target->update.ImportUpdateText(text);
    // A text without a block that can be merged is refused as a whole.
    if (first.blocks.isEmpty()) {
        if (result.outcome != TOnlineUpdate::TOutcome::NoData || dm.RowCount(QStringLiteral("League")) != 0)
            fail("a text without a mergeable block was not refused");
        return 0;
    }
    if (result.outcome != TOnlineUpdate::TOutcome::Imported)
        fail(qPrintable(QStringLiteral("import failed: ") + result.error));
    for (const TUpdateText::TLeagueBlock &block : first.blocks)
        for (const QString &webId : {block.webId})
            if (TUpdateText::WebIdProblem(webId, true) || block.name.trimmed().isEmpty())
                fail("a league block that should have been refused was merged");
    if (result.leagues != first.blocks.size())
        fail("not every parsed block was merged");

    const TOnlineUpdate::TResult second = target->update.ImportUpdateText(text);
    if (second.outcome != TOnlineUpdate::TOutcome::Imported)
        fail("second import failed");
    for (auto it = second.changes.begin(); it != second.changes.end(); ++it)
        if (it.value().added != 0)
            fail(qPrintable(QStringLiteral("a second import added rows to ") + it.key()));

    if (dm.RowCount(QStringLiteral("Language")) != 1 || dm.RowCount(QStringLiteral("translate")) != 1)
        fail("the import touched the translations or the languages");
    return 0;
}
