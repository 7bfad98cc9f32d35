#include "ScreenFixture.h"
#include "desktop/court/input/TKeyHelp.h"

#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <functional>

// The key help of the court screen: F1 opens it over the screen, it lists
// the keys of the current mode, and whatever closes it records nothing.
class KeyHelp : public ScreenFixture
{
protected:
    const TScreenItem &help() const { return *screen.Items().Find(QStringLiteral("pnlKeyHelp")); }
    QStringList keysShown() const
    {
        QStringList keys;
        for (const QString &line : help().Lines)
            keys.append(line.section(QLatin1Char('\t'), 0, 0));
        return keys;
    }
    void press(int k)
    {
        screen.KeyPress(k);
        screen.KeyRelease(k, false);
    }
};

TEST_F(KeyHelp, ListsTheKeysOfTheCurrentMode)
{
    const struct
    {
        const char *mode;
        const char *input;
        bool substitution;
        QStringList listed, notListed;
    } modes[] = {
        {"mice",
         "INPUT_SERIALMOUSE",
         false,
         {"F1", "Alt", "Ctrl", "F12", "Space", "Delete", "Right click"},
         {"F2", "1", "B  N  M", "F4", "F8  F11"}},
        {"keyboard",
         "INPUT_KEYBOARD",
         false,
         {"F1", "F2", "F4", "F12", "Space", "Delete", "B  N  M", "U", "1", "0", "-", "=", "F8  F11",
          "Num 1-6"},
         {}},
        {"substitutions", "INPUT_KEYBOARD", true, {"F1", "F2", "Tab  Q  W  E"}, {"1", "F4", "B  N  M"}},
    };
    for (const auto &m : modes) {
        settings.SetValue(QStringLiteral("INPUT"), QString::fromLatin1(m.input));
        screen.SubstitutionMode = m.substitution;
        press(TKeyboardMap::F1);
        ASSERT_TRUE(screen.KeyHelpShown()) << m.mode;
        const QStringList keys = keysShown();
        for (const QString &k : m.listed)
            EXPECT_TRUE(keys.contains(k)) << m.mode << ": " << k.toStdString();
        for (const QString &k : m.notListed)
            EXPECT_FALSE(keys.contains(k)) << m.mode << ": " << k.toStdString();
        for (const QString &line : help().Lines)
            EXPECT_FALSE(line.section(QLatin1Char('\t'), 1).isEmpty())
                << m.mode << ": " << line.toStdString();
        press(TKeyboardMap::F1);
        EXPECT_FALSE(screen.KeyHelpShown()) << m.mode;
    }
}

// Between periods the clock keys and the deletions still act: the help lists
// them above the note that locks the event keys, and the event keys below it.
TEST_F(KeyHelp, BetweenPeriodsTheKeysThatStillActStandAboveTheLock)
{
    TKeyHelp::TMode mode;
    mode.KeyboardInput = true;
    mode.EventsLocked = true;
    const QList<TKeyHelp::TLine> lines = TKeyHelp::Lines(mode);
    auto at = [&](const QString &keys, bool note = false) {
        for (int i = 0; i < lines.size(); ++i)
            if (note ? lines[i].Keys.isEmpty() && lines[i].Text.contains(QStringLiteral("Alt"))
                     : lines[i].Keys == keys)
                return i;
        return -1;
    };
    const int lock = at({}, true);
    ASSERT_GE(lock, 0);
    for (const char *key : {"F4", "F3", "F8  F11"}) {
        const int i = at(QString::fromLatin1(key));
        EXPECT_TRUE(i >= 0 && i < lock) << key;
    }
    for (const char *key : {"1", "B  N  M", "F6"})
        EXPECT_GT(at(QString::fromLatin1(key)), lock) << key;
}

// Each event key is named in the help as the history names the event it records.
TEST_F(KeyHelp, EventKeysAreNamedAsTheHistoryNamesTheirEvents)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    press(TKeyboardMap::F1);
    QHash<QString, QString> named;
    for (const QString &line : help().Lines)
        named.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
    press(TKeyboardMap::F1);
    key(TKeyboardMap::Tab);
    for (const char k : {'1', '2', '3', '5', '6', '7', '8', '9', '0', '-', '='}) {
        const int code = k == '-' ? int(TKeyboardMap::Minus) : k == '=' ? int(TKeyboardMap::Equals) : int(k);
        const QString keyName = QString(QLatin1Char(k));
        ASSERT_TRUE(named.contains(keyName)) << k;
        key(TKeyboardMap::Tab);
        const int before = game.RecordedEvents.Count();
        key(code);
        if (game.RecordedEvents.Count() == before)
            continue; // the indirect steal of a player is recorded by the Hebrew edition only
        const QString line = game.RecordedEvents.At(game.RecordedEvents.Count() - 1)->Text;
        EXPECT_TRUE(line.endsWith(QStringLiteral(": ") + named[keyName]))
            << k << ": " << line.toStdString() << " / " << named[keyName].toStdString();
    }
}

TEST_F(KeyHelp, ThePlayerKeysNameTheirJerseys)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    press(TKeyboardMap::F1);
    EXPECT_TRUE(help().Lines.contains(QStringLiteral("Tab  Q  W  E\tSelect a home player (4 7 10 15)")));
    EXPECT_TRUE(help().Lines.contains(QStringLiteral("\\  ]  [  P\tSelect an away player (5 8 12 21)")));
}

TEST_F(KeyHelp, WhatClosesItRecordsNothing)
{
    OpenGame(QStringLiteral("INPUT=INPUT_KEYBOARD"));
    key(TKeyboardMap::Backslash); // an away player for the keys and the mouse
    const struct
    {
        const char *closer;
        std::function<void()> act;
    } closers[] = {
        {"event key", [&] { key('1'); }},
        {"shot key", [&] { key('H', true); }},
        {"away button", [&] { awayClick(centreOf(QStringLiteral("imgLabdaszerzesAwayTeam"))); }},
        {"court click",
         [&] {
             awayClick({501, 220});
         }},
        {"home button", [&] { homeClick(centreOf(QStringLiteral("imgIdoCsapat1"))); }},
    };
    for (const auto &c : closers) {
        press(TKeyboardMap::F1);
        ASSERT_TRUE(screen.KeyHelpShown()) << c.closer;
        const int before = mark();
        const int clock = game.Clock;
        c.act();
        EXPECT_FALSE(screen.KeyHelpShown()) << c.closer;
        EXPECT_TRUE(kindsSince(before).isEmpty()) << c.closer;
        EXPECT_EQ(game.Clock, clock) << c.closer;
        // The same input with the help closed does record.
        key(TKeyboardMap::Backslash);
        c.act();
        EXPECT_TRUE(!kindsSince(before).isEmpty() || game.Clock != clock) << c.closer;
    }
}

TEST(KeyHelpTexts, AreTranslatedIntoHungarianAndEnglish)
{
    QFile file(QDir(sourceFolder()).filePath(QStringLiteral("masterdata/data/translations.tsv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> form;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() == 4 && cells[0] == QLatin1String("FORM"))
            form.insert(cells[1], {cells[2], cells[3].trimmed()});
    }
    QStringList texts = TKeyHelp::AllTexts();
    texts << QStringLiteral("The home pointer (%1) has sent nothing since the screen opened");
    for (const QString &text : texts) {
        ASSERT_TRUE(form.contains(text)) << text.toStdString();
        EXPECT_FALSE(form[text][0].isEmpty()) << "HUN: " << text.toStdString();
        EXPECT_FALSE(form[text][1].isEmpty()) << "ENG: " << text.toStdString();
    }
}
