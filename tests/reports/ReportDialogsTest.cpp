#include "BoxScoreFixture.h"
#include "XlsxReader.h"

#include "desktop/reportmenu/TfrmJatekosKimutatas.h"
#include "desktop/reportmenu/TfrmNyomtatasok.h"
#include "desktop/reportmenu/TfrmRosterPresentation.h"
#include "savegame/TGameFolder.h"
#include "support/TestHome.h"

#include "model/game/TTeam.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString bundledTemplates()
{
    return QDir(sourceFolder()).filePath(QStringLiteral("home/Template"));
}

class ReportDialogs : public BoxScoreFixture
{
protected:
    void SetUp() override { roster(10); }
    // The enabled state of the report menu's export and closing buttons.
    static QList<bool> buttonsEnabled(const TfrmNyomtatasok &menu)
    {
        QList<bool> on;
        for (const char *name : {"bbExcelExport", "bbFibaExport", "bbULEBOK", "bbCancel"})
            on.append(menu.Button(QLatin1String(name))->isEnabled());
        return on;
    }
    TestHome home;
};

TEST_F(ReportDialogs, ExportsDisableTheButtonsWhileRunningAndCloseWhenWritten)
{
    const struct
    {
        const char *Button;
        const char *Chosen;    // empty: the save dialog is cancelled
        const char *Templates; // relative to the home; empty: the bundled ones
        bool Written;
        bool Closed;
        bool Error;
    } cases[] = {
        {"bbExcelExport", "game", "", true, true, false},
        {"bbFibaExport", "fiba.xlsx", "", true, true, false},
        {"bbExcelExport", "", "", false, false, false},
        {"bbFibaExport", "broken.xlsx", "nowhere", false, false, true},
    };
    for (const auto &c : cases) {
        TfrmNyomtatasok menu(game, translator);
        menu.Logic().SetTemplateFolder(*c.Templates ? home.file(QLatin1String(c.Templates))
                                                    : bundledTemplates());
        QList<bool> during;
        menu.ChooseFile = [&] {
            during = buttonsEnabled(menu);
            return *c.Chosen ? home.file(QLatin1String(c.Chosen)) : QString();
        };
        QString error;
        menu.ShowError = [&](const QString &text) { error = text; };
        menu.Button(QLatin1String(c.Button))->click();
        EXPECT_EQ(during, (QList<bool>{false, false, false, false})) << c.Button;
        EXPECT_EQ(buttonsEnabled(menu), (QList<bool>{true, true, true, true}))
            << "enabled again, also after a failure";
        EXPECT_EQ(menu.result() == QDialog::Accepted, c.Closed) << c.Chosen;
        EXPECT_EQ(!error.isEmpty(), c.Error) << error.toStdString();
        if (c.Written) {
            // A name without an extension gets ".xlsx".
            const QString file =
                home.file(QLatin1String(c.Chosen)) +
                (QString::fromLatin1(c.Chosen).endsWith(QLatin1String(".xlsx")) ? QString()
                                                                                : QStringLiteral(".xlsx"));
            XlsxBook book;
            EXPECT_TRUE(book.Open(file, &error)) << error.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("broken.xlsx"))));
}

TEST_F(ReportDialogs, RosterPresentationChoiceOpensTheNotesDialog)
{
    TfrmNyomtatasok menu(game, translator);
    int opened = 0;
    menu.SetRosterPresentation([&] { ++opened; });
    menu.Button(QStringLiteral("rbRosterPresentation"))->click();
    std::vector<TReportDocument> docs;
    EXPECT_EQ(menu.Logic().Ok(docs), TNyomtatasokLogic::TAction::RosterPresentation);
    menu.Button(QStringLiteral("bbULEBOK"))->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(menu.result(), QDialog::Accepted);
}

TEST_F(ReportDialogs, NotesDialogHasAFramePerEntryAndStoresOnlyOnOk)
{
    // Counts the saves the dialog asks for.
    struct TCountingStore : IGameStore
    {
        void SaveGame(TGame &) override { ++Saves; }
        void WriteDumps(TGame &) override {}
        void WritePeriodDump(TGame &, int) override {}
        void DeleteEarlierDumps(TGame &) override {}
        void DeleteDumps(TGame &) override {}
        int Saves = 0;
    } store;
    game.SetStore(&store);
    game.HomeTeam().OnCourt.At(0)->Note = QStringLiteral("earlier");
    {
        TfrmRosterPresentation dialog(game, translator);
        const QList<TframeRosterPresentation *> &frames = dialog.Frames(true);
        ASSERT_EQ(frames.size(), 6); // team, four players, coach
        for (int i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(frames[i]->objectName(),
                      QStringLiteral("frameHome_%1").arg(i, 2, 10, QLatin1Char('0')));
            EXPECT_EQ(frames[i]->y(), 30 * i);
            EXPECT_EQ(frames[i]->lblJatekosNev->font().bold(), i == 0 || i == 5) << i;
        }
        EXPECT_EQ(frames[0]->lblJatekosNev->text(), "Home Team");
        EXPECT_EQ(frames[1]->edNote->text(), "earlier");
        EXPECT_EQ(dialog.Frames(false).first()->objectName(), "frameAway_00");
        frames[1]->edNote->setText(QStringLiteral("changed"));
        frames[0]->edNote->setText(QStringLiteral("changed team"));
        QPushButton *cancel = dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_FALSE(cancel->text().isEmpty());
        dialog.show();
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->Note, "earlier") << "a cancelled dialog keeps the notes";
    EXPECT_EQ(game.HomeTeam().TeamLine.Note, "");
    EXPECT_EQ(store.Saves, 0);

    TfrmRosterPresentation dialog(game, translator);
    std::vector<TReportDocument> shown;
    dialog.Preview = [&](std::vector<TReportDocument> docs) { shown = std::move(docs); };
    TframeRosterPresentation *player = dialog.Frames(true)[1];
    player->edNote->clear();
    player->edNote->insert(QString(256, QLatin1Char('n')));
    EXPECT_EQ(player->edNote->text().size(), 255) << "a longer note cannot be typed";
    dialog.Frames(false).first()->edNote->setText(QStringLiteral("Away team note"));
    dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(game.HomeTeam().OnCourt.At(0)->Note, QString(255, QLatin1Char('n')));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].ReportClass, "TqrRostersPresentation");
    const TReportCell *teamNote = nullptr;
    for (const TReportLine *line : shown[0].Lines(QStringLiteral("QRStringsBand2")))
        for (const TReportCell &c : line->Cells)
            if (c.Name == QLatin1String("qlNoteCsapat"))
                teamNote = &c;
    ASSERT_NE(teamNote, nullptr);
    EXPECT_EQ(teamNote->Text, "Away team note");
    // Saved with the game, and there when the dialog opens again.
    EXPECT_EQ(store.Saves, 1);
    TfrmRosterPresentation again(game, translator);
    EXPECT_EQ(again.Frames(false).first()->edNote->text(), "Away team note");
    EXPECT_EQ(again.Frames(true)[1]->edNote->text(), QString(255, QLatin1Char('n')));
    game.SetStore(nullptr);
}

// Saved games with a player who scores in each.
class PlayerStatsDialog : public ::testing::Test
{
protected:
    void save(const QString &folder, const QString &code, int closeMade, bool vendeg = true)
    {
        TPlayer team;
        team.JatekosNev = QStringLiteral("Team");
        TPlayer p;
        p.JatekosNev = QStringLiteral("Kiss");
        p.CsapatID = 1;
        p.JatekosID = 5;
        p.CloseMade = closeMade;
        p.Points = 2 * closeMade;
        home.write(QStringLiteral("Save/%1/hazai_%2.dat").arg(folder, code), team.ToRecord() + p.ToRecord());
        if (vendeg)
            home.write(QStringLiteral("Save/%1/vendeg_%2.dat").arg(folder, code), team.ToRecord());
        for (const QString &file : {TGameFolder::HomeTimeoutsFile(code), TGameFolder::AwayTimeoutsFile(code),
                                    TGameFolder::EventsFile(code)})
            home.write(QStringLiteral("Save/%1/%2").arg(folder, file), QByteArray());
    }
    TestHome home;
    TIdentityTranslator translator;
};

TEST_F(PlayerStatsDialog, TickedGamesArePreviewedOrExportedAndAFaultyGameKeepsTheDialog)
{
    save(QStringLiteral("a"), QStringLiteral("A1"), 5);
    save(QStringLiteral("b"), QStringLiteral("B1"), 6);
    save(QStringLiteral("c"), QStringLiteral("C1"), 1, false);
    const TScheduleLookup lookup = [](const QString &code) {
        return code == QLatin1String("A1")
                   ? TScheduledGame{true, QStringLiteral("Home"), QStringLiteral("Away")}
                   : TScheduledGame{};
    };
    auto lines = [](const TfrmJatekosKimutatas &d) {
        QMap<QString, TframeFeldolgozas *> byFolder;
        for (int i = 0; i < d.LineCount(); ++i)
            byFolder.insert(d.Line(i)->lblKonyvtar->text(), d.Line(i));
        return byFolder;
    };
    {
        TfrmJatekosKimutatas dialog(home.file(QStringLiteral("Save")), lookup, translator);
        ASSERT_EQ(dialog.LineCount(), 3);
        const auto byFolder = lines(dialog);
        // Each tick names its game: the teams when scheduled, the folder otherwise.
        EXPECT_EQ(byFolder["a"]->cbFeldolgozas->text(), "Home - Away");
        EXPECT_EQ(byFolder["b"]->cbFeldolgozas->text(), "b");
        EXPECT_EQ(byFolder["a"]->lblMerkozesKod->text(), "A1");
        EXPECT_EQ(byFolder["b"]->lblMerkozesKod->text(), "");
        EXPECT_EQ(byFolder["a"]->y() % 25, 0);
        EXPECT_FALSE(byFolder["a"]->cbFeldolgozas->isChecked());
        byFolder["a"]->cbFeldolgozas->setChecked(true);
        byFolder["b"]->cbFeldolgozas->setChecked(true);
        std::vector<TReportDocument> shown;
        dialog.Preview = [&](std::vector<TReportDocument> docs) { shown = std::move(docs); };
        dialog.Button(QStringLiteral("bbOK"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(shown.size(), 1u);
        bool found = false;
        for (const TReportLine *line : shown[0].Lines(QStringLiteral("DetailBand1")))
            if (line->Cells[1].Text == QLatin1String("Kiss")) {
                found = true;
                EXPECT_EQ(line->Cells[2].Text, "22");
            }
        EXPECT_TRUE(found);
    }
    {
        TfrmJatekosKimutatas dialog(home.file(QStringLiteral("Save")), lookup, translator);
        dialog.SetTemplateFolder(bundledTemplates());
        const auto byFolder = lines(dialog);
        byFolder["a"]->cbFeldolgozas->setChecked(true);
        byFolder["c"]->cbFeldolgozas->setChecked(true);
        QString error;
        dialog.ShowError = [&](const QString &text) { error = text; };
        dialog.ChooseFile = [&] { return home.file(QStringLiteral("players")); };
        dialog.Button(QStringLiteral("bbExcelExport"))->click();
        EXPECT_TRUE(error.contains(QLatin1String("vendeg_C1.dat"))) << error.toStdString();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(dialog.Button(QStringLiteral("bbExcelExport"))->isEnabled());
        EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("players.xlsx"))));

        byFolder["c"]->cbFeldolgozas->setChecked(false);
        dialog.Button(QStringLiteral("bbExcelExport"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        XlsxBook book;
        ASSERT_TRUE(book.Open(home.file(QStringLiteral("players.xlsx")), &error)) << error.toStdString();
        EXPECT_EQ(book.Cell("B6").Text, "Team");
        EXPECT_EQ(book.Cell("B5").Text, "Kiss");
        EXPECT_EQ(book.Cell("C5").Number, 10);
    }
}

// OK or the export with no game ticked says so and keeps the dialog open.
TEST_F(PlayerStatsDialog, NothingTickedIsRefusedWithItsReason)
{
    save(QStringLiteral("a"), QStringLiteral("A1"), 5);
    for (const char *button : {"bbOK", "bbExcelExport"}) {
        SCOPED_TRACE(button);
        TfrmJatekosKimutatas dialog(home.file(QStringLiteral("Save")), {}, translator);
        ASSERT_EQ(dialog.LineCount(), 1);
        QStringList errors;
        int previews = 0, asked = 0;
        dialog.ShowError = [&](const QString &text) { errors << text; };
        dialog.Preview = [&](std::vector<TReportDocument>) { ++previews; };
        dialog.ChooseFile = [&] {
            ++asked;
            return QString();
        };
        dialog.Button(QLatin1String(button))->click();
        EXPECT_EQ(errors, QStringList{TfrmJatekosKimutatas::NothingTickedText()});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(previews + asked, 0);
        EXPECT_TRUE(dialog.Button(QLatin1String(button))->isEnabled());
    }
}

TEST_F(PlayerStatsDialog, ADamagedGameIsSummedOnlyAfterTheOperatorIsTold)
{
    save(QStringLiteral("a"), QStringLiteral("A1"), 5);
    save(QStringLiteral("b"), QStringLiteral("B1"), 6);
    const TFolderCheck check = [](const QString &folder, const QString &code) {
        return folder.endsWith(QLatin1String("/b")) ? QStringLiteral("hazai_%1.dat differs").arg(code)
                                                    : QString();
    };
    TfrmJatekosKimutatas dialog(home.file(QStringLiteral("Save")), {}, translator, nullptr, check);
    ASSERT_EQ(dialog.LineCount(), 2);
    for (int i = 0; i < 2; ++i) {
        TframeFeldolgozas *line = dialog.Line(i);
        const bool damaged = line->lblKonyvtar->text() == QLatin1String("b");
        EXPECT_EQ(line->lblMerkozes->text(), damaged ? QStringLiteral("Damaged") : QString());
        EXPECT_EQ(line->cbFeldolgozas->toolTip(),
                  damaged ? QStringLiteral("hazai_B1.dat differs") : QString());
        line->cbFeldolgozas->setChecked(true);
    }
    QStringList asked;
    bool answer = false;
    dialog.Confirm = [&](const QString &text) {
        asked << text;
        return answer;
    };
    int previews = 0;
    dialog.Preview = [&](std::vector<TReportDocument>) { ++previews; };
    dialog.Button(QStringLiteral("bbOK"))->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.first().contains(QLatin1String("b: hazai_B1.dat differs")))
        << asked.first().toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(previews, 0);
    EXPECT_TRUE(dialog.Button(QStringLiteral("bbOK"))->isEnabled());
    answer = true;
    dialog.Button(QStringLiteral("bbOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(previews, 1);
}

} // namespace
