#pragma once

#include "common/IUpdateDownloader.h"
#include "masterdata/TUpdateText.h"
#include "masterdata/TdmMain.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class ITranslator;
class TMessageTable;

// The online master data update without its window: downloads the update
// text (or reads it from a file) and merges it into the local tables,
// matching rows by their web identifiers. The window shows the states it
// reports and the errors it returns.
class TOnlineUpdate
{
public:
    enum class TState
    {
        Connecting,
        Downloaded,
        Processing,
        Finished
    };
    enum class TOutcome
    {
        Imported,     // merged (parts may have been skipped, see skipped)
        EmptyReply,   // the server sent nothing: ends silently
        Refused,      // the reply holds "error"
        NoConnection, // the server could not be reached
        StorageError, // the merge stopped; rows merged before stay when they could be committed
        FileError,    // the file could not be read
        NoData        // the text holds no league block that can be merged
    };

    struct TResult
    {
        TOutcome outcome = TOutcome::Imported;
        QString error;                            // for the operator, translated; empty when none
        QString detail;                           // the transport's or the storage's own message
        QStringList skipped;                      // translated notes on skipped or refused parts of the text
        QStringList warnings;                     // translated notes on what was merged with a change
        QMap<QString, TdmMain::TChanges> changes; // rows added and changed and kept, per table
        int leagues = 0;                          // whole league blocks merged and kept
        // After a storage error: whether the rows merged before it were kept
        // (committed), and the block it stopped in.
        bool kept = false;
        QString stoppedIn;
        bool ok() const { return outcome == TOutcome::Imported || outcome == TOutcome::EmptyReply; }
    };

    using TStateCallback = std::function<void(TState state, const QString &statusText)>;

    TOnlineUpdate(TdmMain &dm, ITranslator &translator, const TMessageTable &messages);

    // Called with each state and its translated status text.
    void SetStateCallback(TStateCallback callback) { m_onState = std::move(callback); }
    // Called after every merged item, so a window can process pending input.
    void SetItemCallback(std::function<void()> callback) { m_afterItem = std::move(callback); }

    static QString UpdateAddress(const QString &baseAddress, const QString &customerCode);

    TResult RunOnlineUpdate(IUpdateDownloader &downloader, const QString &baseAddress,
                            const QString &customerCode, const IUpdateDownloader::TProxy &proxy);
    // Reads the file (8-bit Windows-1250, its lines joined) and imports it.
    TResult UpdateFromFile(const QString &path);
    // The whole master data of a federation fit in a few megabytes; a file
    // this large, or not a regular file, is refused unread.
    static constexpr qint64 MaxFileBytes = qint64(64) << 20;
    // Parses and merges, one transaction for the whole text.
    TResult ImportUpdateText(const QString &text);

    static QString StateText(TState state); // untranslated
    // What a finished import merged, for the operator: the league blocks and
    // per table the rows added and changed (translated).
    static QString Summary(const TResult &result, ITranslator &translator);

private:
    void report(TState state);
    bool mergeBlock(const TUpdateText::TLeagueBlock &block, QStringList *warnings);
    // TeamIdByWebId, asked once per web identifier during a merge.
    int teamIdByWebId(const QString &webId);
    QString refusalNote(const TUpdateText::TRefusal &refusal);
    void afterItem();

    TdmMain &m_dm;
    ITranslator &m_translator;
    const TMessageTable &m_messages;
    TStateCallback m_onState;
    std::function<void()> m_afterItem;
    QHash<QString, int> m_teamIds;
};
