#include "shell/session/TParquetixApplication.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

TEST(Application, FoldersLieInTheHome)
{
    TestHome home;
    TParquetixApplication app(home.path());
    ASSERT_TRUE(app.Initialize());
    EXPECT_EQ(app.ExeFolder, home.path() + QStringLiteral("/"));
    EXPECT_EQ(app.IniPath, home.file(QStringLiteral("parquetix.ini")));
    EXPECT_EQ(app.SaveRoot, home.path() + QStringLiteral("/Save/"));
    EXPECT_EQ(app.TempFolder, home.path() + QStringLiteral("/Temp/"));
    EXPECT_EQ(app.DataPaths.size(), 9);
    EXPECT_EQ(app.TemplatePaths.last(), home.file(QStringLiteral("Template/fiba.xlt")));
}

TEST(Application, MissingLanguageLibraryFallsBackToEnglish)
{
    TestHome home;
    home.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nLANGUAGE=ITA\n");
    home.write(QStringLiteral("Library/ENG/SCREEN.png"), "png");
    home.write(QStringLiteral("Library/HUN/SCREEN.png"), "png");
    TParquetixApplication app(home.path());
    ASSERT_TRUE(app.Initialize());
    EXPECT_EQ(app.LibraryFolder(), home.path() + QStringLiteral("/Library/ENG"));
    app.Settings().SetValue(QStringLiteral("LANGUAGE"), QStringLiteral("HUN"));
    EXPECT_EQ(app.LibraryFolder(), home.path() + QStringLiteral("/Library/HUN"));
}

TEST(Application, ResetKeepsTheOnlineFlag)
{
    TestHome home;
    TParquetixApplication app(home.path());
    app.Initialize();
    app.Game().Online = true;
    app.Game().GameCode = QStringLiteral("OLD1GAM2");
    app.ResetGame();
    EXPECT_TRUE(app.Game().Online);
    EXPECT_TRUE(app.Game().GameCode.isEmpty());
    EXPECT_EQ(app.Game().EventCounter, 0);
}

TEST(Application, ReferenceListsReachTheGameAndBothTeams)
{
    TestHome home;
    home.write(QStringLiteral("ParquetixData.xml"), R"(<?xml version="1.0"?>
<ParquetixData>
  <TeamDefenseModeList><Item Id="1" Name="Man to man"/><Item Id="2" Name="Zone"/></TeamDefenseModeList>
  <TurnoverTypeList><Item Id="7" Name="Bad pass"/></TurnoverTypeList>
</ParquetixData>)");
    TParquetixApplication app(home.path());
    app.Initialize();
    ASSERT_TRUE(app.LoadReferenceLists());
    EXPECT_EQ(app.Game().HomeTeam().DefenseModes.size(), 2);
    EXPECT_EQ(app.Game().AwayTeam().DefenseModeIndex, 0);
    EXPECT_EQ(app.Game().TurnoverTypes.size(), 1);
    EXPECT_TRUE(app.Game().FoulTypes.isEmpty());
}

TEST(Application, WithoutReferenceFileTheDefenceModeIsNotAvailable)
{
    TestHome home;
    TParquetixApplication app(home.path());
    app.Initialize();
    ASSERT_TRUE(app.LoadReferenceLists());
    for (const TTeam *team : {static_cast<const TTeam *>(&app.Game().HomeTeam()),
                              static_cast<const TTeam *>(&app.Game().AwayTeam())}) {
        ASSERT_EQ(team->DefenseModes.size(), 1);
        EXPECT_EQ(team->DefenseModes.first().Name, QStringLiteral("N/A"));
        EXPECT_EQ(team->DefenseModes.first().Id, 1);
        EXPECT_EQ(team->DefenseModeIndex, -1);
    }
    EXPECT_TRUE(app.Game().TurnoverTypes.isEmpty());
}

TEST(Application, MalformedReferenceFileKeepsTheDefaults)
{
    TestHome home;
    home.write(QStringLiteral("ParquetixData.xml"),
               "<Root>\n<TurnoverTypeList>\n<Item Id=\"x\" Name=\"Bad\"/>\n");
    TParquetixApplication app(home.path());
    app.Initialize();
    QString error;
    EXPECT_FALSE(app.LoadReferenceLists(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("ParquetixData.xml"))) << error.toStdString();
    EXPECT_EQ(app.Game().HomeTeam().DefenseModes.first().Name, QStringLiteral("N/A"));
    EXPECT_TRUE(app.Game().TurnoverTypes.isEmpty());
}

TEST(Application, MalformedIntegerSettingIsReportedAndStartGoesOn)
{
    TestHome home;
    home.write(QStringLiteral("parquetix.ini"), "[APPLICATION]\nNUMBER_OF_RETRIES=many\n");
    TParquetixApplication app(home.path());
    QString error;
    EXPECT_FALSE(app.Initialize(&error));
    EXPECT_EQ(error, QStringLiteral("'many' is not a valid integer value"));
    EXPECT_EQ(app.Settings().NumberOfRetries(), 5);
    EXPECT_EQ(app.Game().Clock, 0);
}
