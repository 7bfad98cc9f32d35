#include "masterdata/TMasterDataRows.h"
#include "masterdata/TMasterDatabase.h"
#include "masterdata/TTranslationTable.h"
#include "support/TestHome.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// The rows and the translations work on one connection: what one writes the
// other's transaction holds, and every write counts in the one tally.
TEST(MasterDatabase, RowsAndTranslationsShareOneConnectionItsTransactionsAndItsTally)
{
    TestHome home;
    TMasterDatabase db(TMasterDatabase::DatabaseFile(home.path()));
    ASSERT_TRUE(db.Open()) << db.LastError().toStdString();
    TMasterDataRows rows(db);
    TTranslationTable texts(db);

    ASSERT_TRUE(db.BeginTransaction());
    EXPECT_GT(rows.UpsertLeague(QStringLiteral("L1"), QStringLiteral("Liga")), 0);
    EXPECT_TRUE(texts.UpsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"),
                                        QStringLiteral("Croud"), QStringLiteral("Nézők")));
    EXPECT_TRUE(
        texts.InsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"), QStringLiteral("Income")));
    ASSERT_TRUE(db.Rollback());
    EXPECT_TRUE(rows.Leagues().isEmpty());
    QString translated;
    bool found = true;
    ASSERT_TRUE(texts.FindTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"), QStringLiteral("Croud"),
                                      &translated, &found));
    EXPECT_FALSE(found) << "rolled back with the league";

    db.ResetChanges();
    EXPECT_TRUE(rows.UpsertStaff(QStringLiteral("Kiss Béla"), QStringLiteral("B")));
    EXPECT_TRUE(
        texts.InsertTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"), QStringLiteral("Income")));
    EXPECT_TRUE(texts.UpsertLanguage(QStringLiteral("TST"), QStringLiteral("Test")));
    const struct
    {
        const char *Table;
        int Added;
    } tally[] = {{"Staff", 1}, {"translate", 1}, {"Language", 1}, {"League", 0}};
    for (const auto &t : tally)
        EXPECT_EQ(db.Changes().value(QLatin1String(t.Table)).added, t.Added) << t.Table;

    db.Close();
    EXPECT_TRUE(rows.Staff().isEmpty());
    EXPECT_EQ(db.LastError(), QStringLiteral("The database is not open"));
    EXPECT_FALSE(texts.FindTranslation(QStringLiteral("FORM"), QStringLiteral("HUN"),
                                       QStringLiteral("Income"), &translated, &found));
}

// With the row cache an upsert finds and compares rows in memory: every
// result, tally and row must be what the same upserts give without it.
TEST(MasterDatabase, UpsertsGiveTheSameRowsWithTheRowCacheAsWithout)
{
    using TStep = std::function<qint64(TMasterDatabase &, TMasterDataRows &)>;
    const QString longName(80, QLatin1Char('n'));
    auto team = [](const char *webId, const QString &name) {
        return [=](TMasterDatabase &, TMasterDataRows &rows) {
            return qint64(rows.UpsertTeam({.WebID = QString::fromLatin1(webId), .EgyesuletNev = name}));
        };
    };
    auto raw = [](const char *sql) {
        return [=](TMasterDatabase &db, TMasterDataRows &) {
            return qint64(db.Query(QString::fromLatin1(sql), {}, nullptr));
        };
    };
    const std::pair<const char *, TStep> steps[] = {
        // Rows that are there before the merge: a key twice (the first row
        // by rowid is the one found) and a key that is NULL (never found).
        {"duplicate key",
         raw("INSERT INTO Team (WebID, EgyesuletNev) VALUES ('D', 'first'), ('D', 'second')")},
        {"null key", raw("INSERT INTO Team (WebID, EgyesuletNev) VALUES (NULL, 'none')")},
        {"begin", [](TMasterDatabase &db, TMasterDataRows &) { return qint64(db.BeginTransaction()); }},
        {"cache", nullptr},
        {"insert", team("T1", QStringLiteral("A"))},
        {"unchanged", team("T1", QStringLiteral("A"))},
        {"changed", team("T1", QStringLiteral("B"))},
        {"cut to its width", team("T1", longName)},
        {"cut, unchanged", team("T1", longName)},
        {"the first of a duplicate key", team("D", QStringLiteral("again"))},
        {"empty key", team("", QStringLiteral("empty"))},
        {"empty key again", team("", QStringLiteral("empty"))},
        {"another kind of upsert on the table",
         [](TMasterDatabase &db, TMasterDataRows &) {
             return db.Upsert(QStringLiteral("Team"), {QStringLiteral("WebID")}, {QStringLiteral("T1")},
                              {QStringLiteral("EgyesuletNev")}, {QStringLiteral("C")},
                              QStringLiteral("CsapatID"));
         }},
        {"changed behind the first kind", team("T1", longName)},
        {"staff",
         [](TMasterDatabase &, TMasterDataRows &rows) {
             return qint64(rows.UpsertStaff(QStringLiteral("Kiss"), QStringLiteral("B")));
         }},
        {"staff again",
         [](TMasterDatabase &, TMasterDataRows &rows) {
             return qint64(rows.UpsertStaff(QStringLiteral("Kiss"), QStringLiteral("B")));
         }},
        {"team id", [](TMasterDatabase &,
                       TMasterDataRows &rows) { return qint64(rows.TeamIdByWebId(QStringLiteral("T1"))); }},
        {"commit", [](TMasterDatabase &db, TMasterDataRows &) { return qint64(db.Commit()); }},
    };
    struct TRun
    {
        QList<qint64> Results;
        QMap<QString, TMasterDatabase::TChanges> Changes;
        QList<QVariantMap> Teams, Staff;
    };
    auto play = [&](bool cache) {
        TestHome home;
        TMasterDatabase db(TMasterDatabase::DatabaseFile(home.path()));
        EXPECT_TRUE(db.Open()) << db.LastError().toStdString();
        TMasterDataRows rows(db);
        TRun run;
        for (const auto &[name, step] : steps) {
            if (!step) {
                db.SetRowCache(cache);
                continue;
            }
            run.Results << step(db, rows);
            EXPECT_GE(run.Results.last(), 0) << name << ": " << db.LastError().toStdString();
        }
        db.SetRowCache(false);
        run.Changes = db.Changes();
        db.Query(QStringLiteral("SELECT rowid, * FROM Team ORDER BY rowid"), {}, &run.Teams);
        db.Query(QStringLiteral("SELECT rowid, * FROM Staff ORDER BY rowid"), {}, &run.Staff);
        return run;
    };
    const TRun without = play(false);
    const TRun with = play(true);
    ASSERT_EQ(with.Results.size(), without.Results.size());
    for (qsizetype i = 0, r = 0; i < qsizetype(std::size(steps)); ++i)
        if (steps[i].second) {
            EXPECT_EQ(with.Results[r], without.Results[r]) << steps[i].first;
            ++r;
        }
    EXPECT_EQ(with.Teams, without.Teams);
    EXPECT_EQ(with.Staff, without.Staff);
    for (const char *table : {"Team", "Staff"}) {
        EXPECT_EQ(with.Changes.value(QLatin1String(table)).added,
                  without.Changes.value(QLatin1String(table)).added)
            << table;
        EXPECT_EQ(with.Changes.value(QLatin1String(table)).changed,
                  without.Changes.value(QLatin1String(table)).changed)
            << table;
    }
    // The run without the cache is the one of the plain statements: the
    // steps above did what their names say.
    EXPECT_EQ(without.Changes.value(QStringLiteral("Team")).added, 2) << "T1 and the empty key";
    EXPECT_EQ(without.Changes.value(QStringLiteral("Team")).changed, 5);
}

} // namespace
