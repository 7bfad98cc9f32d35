// Every window the main window opens shows its texts translated from the
// shipped translations, in Hungarian and in English: opening them adds no
// text to the translate table that has no translation yet, and every text
// shown (captions, buttons, menus, headings, message boxes, report captions,
// workbook headings) is one of the edition's language or data.
#include "TranslationTexts.h"

namespace {

TEST(WindowTranslation, EveryWindowOfTheMainWindowHasHungarianAndEnglishTexts)
{
    const QString shipped = shippedDatabase();
    if (!QFile::exists(shipped))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    const QList<TMainCommand> windows{TMainCommand::Properties,
                                      TMainCommand::OtherGames,
                                      TMainCommand::IndividualStats,
                                      TMainCommand::Schedule,
                                      TMainCommand::LoadGame,
                                      TMainCommand::MyTeamPlays,
                                      TMainCommand::Updates,
                                      TMainCommand::EditLeague,
                                      TMainCommand::EditClub,
                                      TMainCommand::EditPlayer,
                                      TMainCommand::EditGames,
                                      TMainCommand::JoinLeagueTeam,
                                      TMainCommand::JoinLeagueTeamPlayer,
                                      TMainCommand::About};
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("Datastore/parquetix.db"), shippedBytes());
        home.write(QStringLiteral("parquetix.ini"),
                   QByteArray("[APPLICATION]\nLANGUAGE=") + language + "\nVERSION=" + language + "\n");
        const QString database = TdmMain::DatabaseFile(home.path());
        const QStringList before = untranslated(database, QString::fromLatin1(language));
        const TLanguageTexts texts(database, QString::fromLatin1(language));
        {
            TNoPrompts prompter;
            TOffline offline;
            TfrmParquetixMain window(TMainWindowOptions{.Home = home.path(),
                                                        .StartWaitMs = 0,
                                                        .StartSender = false,
                                                        .Prompter = &prompter,
                                                        .Probe = &offline,
                                                        // No browser: the scoreboard gets its window.
                                                        .OpenUrl = [](const QUrl &) { return false; }});
            ASSERT_TRUE(window.StartProblems().isEmpty()) << window.StartProblems().join(u'\n').toStdString();
            QStringList mainTexts = shownTexts(&window);
            for (QLabel *panel : window.statusBar()->findChildren<QLabel *>())
                mainTexts << panel->text();
            EXPECT_TRUE(texts.Foreign(mainTexts).isEmpty()) << joined(texts.Foreign(mainTexts)).toStdString();
            for (const TMainCommand command : windows) {
                SCOPED_TRACE(int(command));
                QStringList opened;
                QStringList foreign;
                QTimer closer;
                closer.setInterval(10);
                QObject::connect(&closer, &QTimer::timeout, [&] {
                    if (QWidget *modal = QApplication::activeModalWidget()) {
                        opened << modal->objectName();
                        foreign << texts.Foreign(shownTexts(modal));
                        modal->close();
                    }
                });
                closer.start();
                window.Run(command);
                closer.stop();
                EXPECT_EQ(opened.size(), 1) << opened.join(u' ').toStdString();
                EXPECT_TRUE(foreign.isEmpty()) << joined(foreign).toStdString();
            }
            EXPECT_TRUE(prompter.Shown.isEmpty()) << prompter.Shown.join(u'\n').toStdString();

            // The edit dialogs the lists open, and the message a refused delete shows.
            TDesktopSession &session = window.Session();
            const TDialogContext context{session.Translation().DataModule(),
                                         session.Translation().Translator(), session.Messages(), prompter};
            for (TMasterKind kind :
                 {TMasterKind::League, TMasterKind::Team, TMasterKind::Player, TMasterKind::Game}) {
                TRowEdit edit(context.dm, kind);
                edit.StartInsert();
                const std::unique_ptr<TfrmMasterEdit> dialog = TfrmMasterEdit::Create(context, edit);
                const QStringList foreign = texts.Foreign(shownTexts(dialog.get()));
                EXPECT_TRUE(foreign.isEmpty())
                    << dialog->objectName().toStdString() << ": " << joined(foreign).toStdString();
            }
            {
                TfrmNewLiga leagues(context);
                leagues.Delete();
            }
            // Every message of the message table, and the delete's refusal.
            QStringList messages = prompter.Shown;
            for (const TMessageTable::TEntry &e : TMessageTable::Entries())
                messages << session.Messages().*e.field;
            EXPECT_EQ(prompter.Shown.size(), 1);
            EXPECT_TRUE(texts.Foreign(messages).isEmpty()) << joined(texts.Foreign(messages)).toStdString();
        }
        const QStringList after = untranslated(database, QString::fromLatin1(language));
        QStringList added;
        for (const QString &text : after)
            if (!before.contains(text))
                added << text;
        EXPECT_TRUE(added.isEmpty()) << added.join(u'\n').toStdString();
    }
}

TEST(WindowTranslation, ReportCaptionsAndWorkbookHeadingsAreInTheEditionsLanguage)
{
    if (!QFile::exists(shippedDatabase()))
        GTEST_SKIP() << "the build's home has no sample database (target parquetix_sample_data)";
    for (const char *language : {"HUN", "ENG"}) {
        SCOPED_TRACE(language);
        TestHome home;
        home.write(QStringLiteral("Datastore/parquetix.db"), shippedBytes());
        const QString database = TdmMain::DatabaseFile(home.path());
        TLanguageTexts texts(database, QString::fromLatin1(language));
        TdmMain dm(database);
        ASSERT_TRUE(dm.OpenAll());
        TTranslator translator(dm, QString::fromLatin1(language));

        TSettings settings;
        settings.SetValue(QStringLiteral("VERSION"), QString::fromLatin1(language));
        settings.SetValue(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
        TScriptPrompter prompter;
        TFixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5)));
        THeadlessScreen screen;
        TGame game(TGameServices{
            .Settings = &settings, .Translator = &translator, .Prompter = &prompter, .Clock = &clock});
        game.SetScreen(&screen);
        TGameScript script(game, screen);
        QFile demo(sourceFolder() + QStringLiteral("/demo/demo-game.txt"));
        ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
        QString lines = QString::fromUtf8(demo.readAll());
        lines.replace(QStringLiteral("LANGUAGE=ENG"), QStringLiteral("LANGUAGE=") + QLatin1String(language));
        ASSERT_TRUE(script.Run(lines)) << script.Error().toStdString();
        for (const TTeam *team :
             {static_cast<const TTeam *>(&game.HomeTeam()), static_cast<const TTeam *>(&game.AwayTeam())}) {
            texts.AddData(team->Data.EgyesuletNev);
            for (const TPlayerList *list : {&team->OnCourt, &team->Bench})
                for (int i = 0; i < list->Count(); ++i)
                    texts.AddData(list->At(i)->JatekosNev);
        }

        TNyomtatasokLogic menu(game, translator);
        QStringList captions;
        for (const TNyomtatasokLogic::TControl &control : menu.Controls())
            if (control.Visible && !control.Caption.isEmpty())
                captions << translator.Translate(control.Caption, QStringLiteral("FORM"));
        for (const QString &item : menu.ScopeItems())
            captions << item;
        std::vector<TReportDocument> documents = menu.PrintAll();
        for (const TNyomtatasokLogic::TControl &control : menu.Controls()) {
            if (!control.Radio || !control.Visible || !menu.Select(control.Name))
                continue;
            menu.Ok(documents);
        }
        for (const TReportDocument &document : documents)
            for (const TReportPage &page : document.Pages)
                for (const TReportBand &band : page.Bands)
                    for (const TReportLine &line : band.Lines)
                        for (const TReportCell &cell : line.Cells)
                            if (cell.Caption)
                                captions << cell.Text;
        EXPECT_TRUE(texts.Foreign(captions).isEmpty()) << joined(texts.Foreign(captions)).toStdString();

        QStringList headings;
        for (const char *name : {"parquetix.xlt", "fiba.xlt", "parquetix_player_report.xlt"}) {
            TSpreadsheet sheet;
            QString error;
            ASSERT_TRUE(TSheetTemplate::Load(
                binaryFolder() + QStringLiteral("/Template/") + QLatin1String(name), sheet, &error))
                << error.toStdString();
            TSheetTemplate::Translate(sheet, translator);
            headings << sheet.SheetName;
            for (const auto &[place, cell] : sheet.Cells())
                if (cell.Kind == TSheetCell::TKind::Text)
                    headings << cell.Text;
        }
        EXPECT_TRUE(texts.Foreign(headings).isEmpty()) << joined(texts.Foreign(headings)).toStdString();
    }
}

} // namespace
