#pragma once

#include "workflow/wizard/IPlayStep.h"
#include "workflow/wizard/TWizardServices.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/Services.h"
#include "model/services/THeadlessScreen.h"
#include "shell/session/THomeTranslator.h"
#include "shell/session/TParquetixApplication.h"
#include "shell/store/TGameStore.h"

#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

// The operator's answers in order (Yes once they run out) and every text shown.
class QueuedPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { Shown.append(text); }
    void ShowInformation(const QString &text) override { Shown.append(text); }
    bool Confirm(const QString &text) override
    {
        Shown.append(text);
        return Answers.isEmpty() ? true : Answers.takeFirst();
    }
    QList<bool> Answers;
    QStringList Shown;
};

// The court screen step of the tests: a script played on a headless screen.
class ScriptPlay : public IPlayStep
{
public:
    explicit ScriptPlay(THeadlessScreen &screen) : m_screen(screen) {}
    bool Play(TGame &game, QString *error) override
    {
        ++Runs;
        TGameScript runner(game, m_screen);
        if (runner.Run(Script))
            return true;
        *error = runner.Error();
        return false;
    }
    bool ApplicationEnded() const override { return Exited; }
    QString Script;
    int Runs = 0;
    // The operator left the screen with Exit.
    bool Exited = false;

private:
    THeadlessScreen &m_screen;
};

// A home with the bundled sample database (the 3x3 league, four teams of six
// players, twelve scheduled games), a fixed clock on 7 March 2026 and the
// wizards' services over it.
class WizardFixture : public testing::Test
{
protected:
    void SetUp() override { start("RENDEZES=RENDEZES_MEZSZAM\n"); }

    void start(const QByteArray &settings)
    {
        const QString bin = binaryFolder();
        QDir().mkpath(home.file(QStringLiteral("Datastore")));
        QFile::remove(home.file(QStringLiteral("Datastore/parquetix.db")));
        ASSERT_TRUE(QFile::copy(bin + QStringLiteral("/Datastore/parquetix.db"),
                                home.file(QStringLiteral("Datastore/parquetix.db"))));
        QFile::copy(bin + QStringLiteral("/ParquetixData.xml"),
                    home.file(QStringLiteral("ParquetixData.xml")));
        home.write(QStringLiteral("parquetix.ini"),
                   "[APPLICATION]\nVERSION=HUN\nLANGUAGE=HUN\nGAMELENGTH=10\nDATA_DUMP=YES\n"
                   "CREATE_TEMP_DATA_FILES=YES\n" +
                       settings);
        store = std::make_unique<TGameStore>();
        translation = std::make_unique<THomeTranslator>(home.path(), false);
        app = std::make_unique<TParquetixApplication>(home.path());
        app->SetTranslator(&translation->Translator());
        app->SetPrompter(&prompter);
        app->SetClockSource(&clock);
        app->SetScreen(&screen);
        app->SetGameStore(store.get());
        QString error;
        ASSERT_TRUE(app->Initialize(&error)) << error.toStdString();
        store->SetFolders(*app);
        translation->SetLanguage(app->Settings().Language());
        messages.BuildMessageTable(translation->Translator());
    }

    // A text as the home's translator shows it in the settings' language.
    QString translated(const char *text)
    {
        return translation->Translator().Translate(QString::fromUtf8(text), QStringLiteral("FORM"));
    }

    TWizardServices services()
    {
        TWizardServices s{*app,  translation->DataModule(), messages, translation->Translator(), prompter,
                          *store};
        s.Play = &play;
        s.SetSendingEnabled = [this](bool on) { sending.append(on); };
        return s;
    }

    TestHome home;
    QueuedPrompter prompter;
    TFixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(18, 0))};
    THeadlessScreen screen;
    ScriptPlay play{screen};
    TMessageTable messages;
    QList<bool> sending;
    std::unique_ptr<TGameStore> store;
    std::unique_ptr<THomeTranslator> translation;
    std::unique_ptr<TParquetixApplication> app;
};
