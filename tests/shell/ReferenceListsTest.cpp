#include "model/settings/TReferenceLists.h"
#include "shell/settings/TReferenceListsFile.h"
#include "support/TestHome.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QByteArray Complete = "<?xml version=\"1.0\"?>\n"
                            "<AnyRoot>\n"
                            "  <TeamDefenseModeList>\n"
                            "    <M Id=\"3\" Name=\"Zone 2-1\"/>\n"
                            "    <M Id=\"1\" Name=\"Man to man\"/>\n"
                            "  </TeamDefenseModeList>\n"
                            "  <TurnoverTypeList>\n"
                            "    <T Id=\"10\" Name=\"Bad pass\"/>\n"
                            "  </TurnoverTypeList>\n"
                            "  <FoulTypeList>\n"
                            "    <F Id=\"-2\" Name=\"\"/>\n"
                            "    <F Id=\"7\" Name=\"Shooting &amp; more\"/>\n"
                            "  </FoulTypeList>\n"
                            "</AnyRoot>\n";

struct TLoaded
{
    bool Ok = false;
    QString Error;
    TReferenceLists Lists;
};

TLoaded load(const TestHome &home, const QByteArray &content)
{
    home.write(TReferenceListsFile::FileName, content);
    TLoaded loaded;
    loaded.Ok =
        TReferenceListsFile::Load(home.file(TReferenceListsFile::FileName), loaded.Lists, &loaded.Error);
    return loaded;
}

void expectEmpty(const TReferenceLists &lists)
{
    EXPECT_TRUE(lists.DefenseModes.isEmpty());
    EXPECT_TRUE(lists.TurnoverTypes.isEmpty());
    EXPECT_TRUE(lists.FoulTypes.isEmpty());
}

} // namespace

TEST(ReferenceLists, ReadsTheThreeListsInFileOrder)
{
    TestHome home;
    const TLoaded r = load(home, Complete);
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_FALSE(r.Lists.Absent);
    EXPECT_EQ(r.Lists.DefenseModes, (TRefList{{"Zone 2-1", 3}, {"Man to man", 1}}));
    EXPECT_EQ(r.Lists.TurnoverTypes, (TRefList{{"Bad pass", 10}}));
    EXPECT_EQ(r.Lists.FoulTypes, (TRefList{{"", -2}, {"Shooting & more", 7}}));
}

TEST(ReferenceLists, AbsentFileIsNoError)
{
    TestHome home;
    TReferenceLists lists;
    lists.FoulTypes.append({"stale", 1});
    QString error;
    EXPECT_TRUE(TReferenceListsFile::Load(home.file(TReferenceListsFile::FileName), lists, &error));
    EXPECT_TRUE(lists.Absent);
    EXPECT_TRUE(error.isEmpty());
    expectEmpty(lists);
}

TEST(ReferenceLists, MissingOrEmptyListElementGivesAnEmptyList)
{
    TestHome home;
    const TLoaded r =
        load(home, "<R>\n <TeamDefenseModeList/>\n <FoulTypeList><F Id='1' Name='P'/></FoulTypeList>\n</R>");
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_TRUE(r.Lists.DefenseModes.isEmpty());
    EXPECT_TRUE(r.Lists.TurnoverTypes.isEmpty());
    EXPECT_EQ(r.Lists.FoulTypes, (TRefList{{"P", 1}}));
}

TEST(ReferenceLists, OtherNodesAreIgnored)
{
    TestHome home;
    const TLoaded r = load(home, "<R><!-- c --><Other><F Id='x'/></Other>text"
                                 "<FoulTypeList>some text<?pi?><!-- c -->"
                                 "<F Id='1' Name='P'><Nested Id='bad'/></F>"
                                 "</FoulTypeList></R>");
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(r.Lists.FoulTypes, (TRefList{{"P", 1}}));
}

TEST(ReferenceLists, RepeatedListElementAddsItsItems)
{
    TestHome home;
    const TLoaded r = load(home, "<R><FoulTypeList><F Id='1' Name='A'/></FoulTypeList>"
                                 "<FoulTypeList><F Id='2' Name='B'/></FoulTypeList></R>");
    ASSERT_TRUE(r.Ok);
    EXPECT_EQ(r.Lists.FoulTypes, (TRefList{{"A", 1}, {"B", 2}}));
}

TEST(ReferenceLists, MalformedXmlNamesFileAndLine)
{
    TestHome home;
    const TLoaded r = load(home, "<R>\n<TeamDefenseModeList>\n<M Id='1' Name='A'/>\n</FoulTypeList>\n</R>\n");
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Error.contains(home.file(TReferenceListsFile::FileName))) << r.Error.toStdString();
    EXPECT_TRUE(r.Error.contains("line 4")) << r.Error.toStdString();
    expectEmpty(r.Lists);
    EXPECT_FALSE(r.Lists.Absent);
}

TEST(ReferenceLists, NotXmlAtAll)
{
    TestHome home;
    for (const QByteArray &content : {QByteArray(), QByteArray("Id=1 Name=A"), QByteArray("<R>")}) {
        const TLoaded r = load(home, content);
        EXPECT_FALSE(r.Ok) << content.toStdString();
        EXPECT_TRUE(r.Error.contains(TReferenceListsFile::FileName)) << r.Error.toStdString();
        expectEmpty(r.Lists);
    }
}

TEST(ReferenceLists, ErrorAfterTheListsStillEmptiesThem)
{
    TestHome home;
    QByteArray broken = Complete;
    broken.replace("</AnyRoot>", "<unclosed></AnyRoot>");
    const TLoaded r = load(home, broken);
    EXPECT_FALSE(r.Ok);
    expectEmpty(r.Lists);
}

TEST(ReferenceLists, IdMustBeADecimalInteger)
{
    TestHome home;
    for (const char *id : {"x1", "0x10", "1.5", "", "12abc", "99999999999"}) {
        const TLoaded r = load(home, QByteArray("<R>\n<TurnoverTypeList>\n<T Id='1' Name='ok'/>\n<T Id='") +
                                         id + "' Name='A'/>\n</TurnoverTypeList>\n</R>");
        EXPECT_FALSE(r.Ok) << id;
        EXPECT_TRUE(r.Error.contains("line 4")) << r.Error.toStdString();
        EXPECT_TRUE(r.Error.contains(QStringLiteral("'%1' is not a valid integer value").arg(id)))
            << r.Error.toStdString();
        expectEmpty(r.Lists); // the item read before the bad one is gone too
    }
}

TEST(ReferenceLists, ItemNeedsBothAttributes)
{
    TestHome home;
    const TLoaded noName = load(home, "<R><FoulTypeList>\n<F Id='1'/></FoulTypeList></R>");
    EXPECT_FALSE(noName.Ok);
    EXPECT_TRUE(noName.Error.contains("\"Name\"")) << noName.Error.toStdString();
    EXPECT_TRUE(noName.Error.contains("line 2")) << noName.Error.toStdString();
    const TLoaded noId = load(home, "<R><FoulTypeList><F Name='P'/></FoulTypeList></R>");
    EXPECT_FALSE(noId.Ok);
    EXPECT_TRUE(noId.Error.contains("\"Id\"")) << noId.Error.toStdString();
}

TEST(ReferenceLists, BundledFileFitsTheScreen)
{
    const QString path = QDir(sourceFolder()).filePath(QStringLiteral("home/ParquetixData.xml"));
    TReferenceLists lists;
    QString error;
    ASSERT_TRUE(TReferenceListsFile::Load(path, lists, &error)) << error.toStdString();
    ASSERT_FALSE(lists.Absent) << path.toStdString();
    EXPECT_GE(lists.DefenseModes.size(), 4);
    EXPECT_GE(lists.TurnoverTypes.size(), 1);
    EXPECT_LE(lists.TurnoverTypes.size(), 6);
    EXPECT_GE(lists.FoulTypes.size(), 1);
    EXPECT_LE(lists.FoulTypes.size(), 6);
    for (const TRefList *list : {&lists.DefenseModes, &lists.TurnoverTypes, &lists.FoulTypes}) {
        QSet<int> ids;
        for (const TRefItem &item : *list) {
            EXPECT_FALSE(item.Name.isEmpty());
            EXPECT_FALSE(ids.contains(item.Id)) << item.Id;
            ids.insert(item.Id);
        }
    }
}
