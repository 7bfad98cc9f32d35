// The court screen, its type lists, key help and dialogs show the edition's
// language: in Hungarian and in English every text they show is a shipped
// translation, or the game's own data, and no word of it belongs to the other
// edition only.
#include "TestMasks.h"
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/court/input/TKeyboardMap.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/THeadlessScreen.h"
#include "model/settings/TReferenceLists.h"

#include "support/QtPrinters.h"
#include "support/SampleGame.h"
#include "support/ShippedTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Every text a dialog shows in its title, labels and buttons.
QStringList textsOf(QWidget *dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts << button->text();
    return texts;
}

} // namespace

TEST(CourtScreenTranslation, TheScreenItsListsAndDialogsSpeakTheEditionsLanguage)
{
    QFile reference(sourceFolder() + QStringLiteral("/home/ParquetixData.xml"));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
    TReferenceLists lists;
    ASSERT_TRUE(TReferenceLists::Parse(reference.readAll(), reference.fileName(), lists));
    QTemporaryDir library;
    TestMasks::vertical().save(library.filePath(QStringLiteral("MASK_VERTICAL.png")));
    TestMasks::horizontal().save(library.filePath(QStringLiteral("MASK_HORIZONTAL.png")));

    for (const QString &language : {QStringLiteral("HUN"), QStringLiteral("ENG")}) {
        SCOPED_TRACE(language.toStdString());
        TShippedTranslations translator(language);
        ASSERT_TRUE(translator.Loaded());
        TSettings settings;
        settings.SetValue(QStringLiteral("LANGUAGE"), language);
        settings.SetValue(QStringLiteral("INPUT"), QStringLiteral("INPUT_KEYBOARD"));
        settings.SetValue(QStringLiteral("RENDEZES"), QStringLiteral("RENDEZES_MEZSZAM"));
        settings.SetValue(QStringLiteral("COMPORT"), QStringLiteral("/dev/parquetix-no-such-port"));
        TScriptPrompter prompter;
        TFixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5)));
        TGame game(TGameServices{
            .Settings = &settings, .Translator = &translator, .Prompter = &prompter, .Clock = &clock});
        game.TurnoverTypes = lists.TurnoverTypes;
        game.FoulTypes = lists.FoulTypes;
        // The game is set up before the screen opens, as the wizards do.
        THeadlessScreen setup;
        game.SetScreen(&setup);
        TGameScript script(game, setup);
        ASSERT_TRUE(script.Run(QStringLiteral("\n") + SampleRoster({.Home = "Zalaegerszeg",
                                                                    .Away = "Paks",
                                                                    .League = false,
                                                                    .AwayBench = false,
                                                                    .FullNames = true})))
            << script.Error().toStdString();
        for (int side = 1; side <= 2; ++side) {
            game.Team(side).DefenseModes = lists.DefenseModes;
            game.Team(side).DefenseModeIndex = 0;
        }
        TfrmParquetixScreenNew form(game, library.path());
        form.Open();
        form.show();
        TCourtScreen &screen = form.Screen();
        QStringList shown;
        auto look = [&](const char *when) {
            for (const TScreenItem *item : screen.Items().PaintOrder()) {
                if (!item->Visible)
                    continue;
                shown << QString::fromLatin1(when) + QLatin1Char('|') + item->Text;
                // Keys named by their caps ("Alt", "Tab") stand as they are.
                for (const QString &line : item->Lines) {
                    const QString keys = line.section(QLatin1Char('\t'), 0, 0);
                    shown << QString::fromLatin1(when) + QLatin1Char('|') +
                                 line.section(QLatin1Char('\t'), 1);
                    if (keys.contains(QLatin1Char(' ')) || keys.size() > 4)
                        shown << QString::fromLatin1(when) + QLatin1Char('|') + keys;
                }
            }
        };
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(&form, k, modifiers);
        };

        // A refused click, then a game: a turnover with its type list, a foul,
        // a team event and a timeout.
        key(Qt::Key_Tab);
        key(Qt::Key_1);
        look("refused");
        key(Qt::Key_F4);
        key(Qt::Key_Tab);
        key(Qt::Key_2);
        look("turnover types");
        key(Qt::Key_1, Qt::KeypadModifier);
        look("turnover type chosen");
        key(Qt::Key_Tab);
        key(Qt::Key_5);
        look("foul types");
        key(Qt::Key_F6);
        key(Qt::Key_1);
        key(Qt::Key_F7);
        key(Qt::Key_Tab);
        key(Qt::Key_B, Qt::ShiftModifier);
        look("game");
        key(Qt::Key_F1);
        look("key help");
        key(Qt::Key_F1);

        // The dialogs the court screen opens, closed as soon as they show.
        QStringList dialogs;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &form) {
                for (const QString &text : textsOf(modal))
                    dialogs << modal->objectName() + QLatin1Char('|') + text;
                modal->close();
            }
        });
        closer.start();
        key(Qt::Key_Space);
        key(Qt::Key_Delete);
        closer.stop();
        EXPECT_FALSE(dialogs.isEmpty());

        QStringList foreign;
        for (const QString &text : shown + dialogs) {
            const QStringList words = translator.ForeignWords(text.section(QLatin1Char('|'), 1));
            if (!words.isEmpty())
                foreign << text + QStringLiteral("  [") + words.join(u' ') + QLatin1Char(']');
        }
        EXPECT_TRUE(foreign.isEmpty()) << foreign.join(u'\n').toStdString();
        EXPECT_TRUE(translator.Misses.isEmpty()) << translator.Misses.join(u'\n').toStdString();

        // The history writes the minute of team lines as of player lines.
        for (int i = 0; i < game.AllEvents.Count(); ++i) {
            const TGameEvent *e = game.AllEvents.At(i);
            if (e->Kind == Kind::Timeout || e->Side == Side::HomeTeam) {
                EXPECT_TRUE(e->Text.startsWith(language == QLatin1String("ENG") ? QStringLiteral("0.m ")
                                                                                : QStringLiteral("0.p ")))
                    << e->Text.toStdString();
            }
        }
        form.done(0);
    }
}
