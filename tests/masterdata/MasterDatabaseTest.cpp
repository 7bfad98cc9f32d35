#include "masterdata/TMasterDataRows.h"
#include "masterdata/TMasterDatabase.h"
#include "masterdata/TTranslationTable.h"
#include "support/TestHome.h"

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

} // namespace
