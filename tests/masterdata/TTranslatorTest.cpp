#include "masterdata/TTranslator.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "support/TestHome.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

class Translator : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString(); }

    int rows() { return dm.RowCount(s("translate")); }

    TestHome home;
    TdmMain dm{TdmMain::DatabaseFile(home.path())};
    TTranslator translator{dm, s("ENG")};
};

class UpperCaseTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        sections << section;
        return text.toUpper();
    }
    QStringList sections;
};

} // namespace

TEST_F(Translator, AnEmptyTextComesBackAndAddsNoRow)
{
    EXPECT_EQ(translator.Translate(QString(), s("FORM")), QString());
    EXPECT_EQ(translator.Translate(s(""), s("FORM")), s(""));
    EXPECT_EQ(rows(), 0);
}

TEST_F(Translator, AnUnseenTextAddsExactlyOneRowUntilItIsTranslated)
{
    EXPECT_EQ(translator.Translate(s("Folytatja?"), s("FORM")), s("Folytatja?"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(translator.Translate(s("Folytatja?"), s("FORM")), s("Folytatja?"));
    EXPECT_EQ(rows(), 1);
    QString translated;
    bool found = false;
    ASSERT_TRUE(dm.FindTranslation(s("FORM"), s("ENG"), s("Folytatja?"), &translated, &found));
    EXPECT_TRUE(found);
    EXPECT_TRUE(translated.isEmpty());

    ASSERT_TRUE(dm.UpsertTranslation(s("FORM"), s("ENG"), s("Folytatja?"), s("Continue?")));
    EXPECT_EQ(translator.Translate(s("Folytatja?"), s("FORM")), s("Continue?"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(Translator, TypeAndLanguageArePartOfTheKey)
{
    dm.UpsertTranslation(s("FORM"), s("ENG"), s("Név"), s("Name"));
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM")), s("Name"));
    EXPECT_EQ(translator.Translate(s("Név"), s("HINT")), s("Név"));
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM"), s("HUN")), s("Név"));
    EXPECT_EQ(rows(), 3);
    translator.SetLanguage(s("HUN"));
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM")), s("Név"));
    EXPECT_EQ(rows(), 3);
}

TEST_F(Translator, ADisabledTranslatorNeitherLooksUpNorAdds)
{
    dm.UpsertTranslation(s("FORM"), s("ENG"), s("Név"), s("Name"));
    translator.SetEnabled(false);
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM")), s("Név"));
    EXPECT_EQ(translator.Translate(s("Új"), s("FORM")), s("Új"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(Translator, ATextLongerThanTheKeyColumnIsKeptUnderItsFirst255Characters)
{
    const QString text(300, QLatin1Char('x'));
    EXPECT_EQ(translator.Translate(text, s("FORM")), text);
    EXPECT_EQ(translator.Translate(text, s("FORM")), text);
    EXPECT_EQ(rows(), 1);
    dm.UpsertTranslation(s("FORM"), s("ENG"), text, s("long"));
    EXPECT_EQ(translator.Translate(text, s("FORM")), s("long"));
    EXPECT_EQ(rows(), 1);
}

TEST_F(Translator, StorageErrorsReachTheCallerAndLeaveTheText)
{
    dm.CloseAll();
    QString error;
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM"), s("ENG"), &error), s("Név"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(translator.Translate(s("Név"), s("FORM")), s("Név"));
}

TEST_F(Translator, FieldLabelsAreTranslatedAsTableColumns)
{
    dm.UpsertTranslation(s("DBTABLE"), s("ENG"), s("LigaNev"), s("League name"));
    translator.TranslateFieldLabels(dm);
    EXPECT_EQ(dm.DisplayLabel(s("League"), s("LigaNev")), s("League name"));
    EXPECT_EQ(dm.DisplayLabel(s("Team"), s("EgyesuletNev")), s("EgyesuletNev"));
    // Every column name became a key of its own (WebID and others repeat across tables).
    QSet<QString> names;
    for (const TSchema::TTable &t : TSchema::Tables())
        for (const TSchema::TColumn &c : t.columns)
            names.insert(c.name);
    EXPECT_EQ(rows(), names.size());
}

TEST(MessageTable, EveryEntryIsTheFormTranslationOfItsSource)
{
    UpperCaseTranslator translator;
    TMessageTable table;
    table.BuildMessageTable(translator);
    EXPECT_EQ(table.MsgTeamNameRequired, s("A CSAPAT NEVENEK KITOLTESE KOTELETO!"));
    EXPECT_EQ(table.MsgDirectoryInvalid, s("THE SPECIFIED DIRECTORY IS INVALID!"));
    EXPECT_EQ(table.MsgNotOnlineLoad, table.MsgNotOnlineNewGame);
    EXPECT_EQ(table.MsgFolderMayHoldGame,
              s("A KIVÁLASZTOTT KÖNYVTÁR MÁR TARTALMAZHAT MÉRKÖZÉS ADATOKAT!\n\r"
                "EGY KORÁBBI MÉRKÖZÉS ADATAI IGY FELÜLÍRÓDHATNAK!\n\rFOLYTATJA?"));
    EXPECT_FALSE(table.MsgNoConnection.isEmpty());
    EXPECT_FALSE(table.MsgUpdateFailed.isEmpty());
    EXPECT_EQ(table.Text(s("MsgShotTwo")), s("2 POINTER"));
    EXPECT_EQ(table.Text(s("NoSuchMessage")), QString());
    EXPECT_EQ(translator.sections.count(s("FORM")), translator.sections.size());
}

TEST(MessageTable, EveryNamedFieldIsFilledOnce)
{
    TIdentityTranslator identity;
    TMessageTable table;
    table.BuildMessageTable(identity);
    QSet<QString> names;
    for (const TMessageTable::TEntry &e : TMessageTable::Entries()) {
        EXPECT_FALSE(names.contains(QLatin1String(e.name))) << e.name;
        names.insert(QLatin1String(e.name));
        EXPECT_FALSE((table.*e.field).isEmpty()) << e.name;
    }
    // The 28 messages every window shares and the master data dialogs' three date and time checks.
    EXPECT_EQ(names.size(), 31);
}
