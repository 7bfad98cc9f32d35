#include "desktop/masterdata/TfrmGameList.h"
#include "desktop/masterdata/TfrmLiga.h"
#include "desktop/masterdata/TfrmNewLiga.h"
#include "desktop/masterdata/TfrmNewLigaCsapat.h"
#include "desktop/masterdata/TfrmNewLigaCsapatJatekos.h"
#include "desktop/masterdata/TfrmNewPlayer.h"
#include "desktop/masterdata/TfrmNewTeam.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TRecordingPrompter : public IPrompter
{
public:
    void ShowError(const QString &text) override { errors << text; }
    void ShowInformation(const QString &text) override { errors << text; }
    bool Confirm(const QString &) override { return true; }
    bool ConfirmInformation(const QString &) override { return true; }
    QStringList errors;
};

// Turns every text into "[text]", so an untranslated caption stands out.
class TBracketTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &) override
    {
        return text.startsWith(QLatin1Char('[')) ? text : QLatin1Char('[') + text + QLatin1Char(']');
    }
};

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void type(QWidget *dialog, const char *editor, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(dialog, editor);
    edit->clear();
    // QTest types ASCII only; other letters arrive as a paste would.
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

void click(QWidget *parent, const char *button)
{
    QTest::mouseClick(child<QAbstractButton>(parent, button), Qt::LeftButton);
}

void clickEntry(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

QStringList texts(QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}

class MasterDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dm.OpenAll()) << dm.LastError().toStdString();
        messages.BuildMessageTable(identity);
    }

    TdmMain dm{QStringLiteral(":memory:")};
    TIdentityTranslator identity;
    TMessageTable messages;
    TRecordingPrompter prompter;
    TDialogContext context{dm, identity, messages, prompter};
};

} // namespace

TEST_F(MasterDialogs, LeagueClubPlayersAndAGameAreAddedAndJoinedThroughTheDialogs)
{
    {
        TfrmNewLiga leagues(context);
        leagues.SetDialogRunner([&](QDialog *d) {
            type(d, "edLigaNev", QStringLiteral("   "));
            click(d, "btnOK");
            EXPECT_EQ(prompter.errors, QStringList{messages.MsgLeagueNameRequired});
            EXPECT_EQ(d->result(), QDialog::Rejected);
            EXPECT_EQ(dm.RowCount(QStringLiteral("League")), 0);
            type(d, "edLigaNev", QStringLiteral("NB I"));
            click(d, "btnOK");
            return d->result();
        });
        click(&leagues, "btnNew");
        ASSERT_EQ(leagues.Rows().Count(), 1);
        EXPECT_EQ(child<QLabel>(&leagues, "lblValue1_1")->text(), QStringLiteral("NB I"));
        EXPECT_FALSE(child<QCheckBox>(&leagues, "cbOnline1")->isChecked());
    }
    {
        TfrmNewTeam clubs(context);
        clubs.SetDialogRunner([&](QDialog *d) {
            type(d, "edEgyesuletNev", QStringLiteral("Medvék"));
            type(d, "edEgyesuletCsarnokFerohely", QStringLiteral("800"));
            click(d, "btnOK");
            return d->result();
        });
        click(&clubs, "btnNew");
        ASSERT_EQ(clubs.Rows().Count(), 1);
        EXPECT_EQ(child<QLabel>(&clubs, "lblValue7_1")->text(), QStringLiteral("800"));
    }
    {
        TfrmNewPlayer players(context);
        QString born;
        for (const QString &name : {QStringLiteral("Kiss Péter"), QStringLiteral("Nagy Ádám")}) {
            players.SetDialogRunner([&](QDialog *d) {
                born = child<QLineEdit>(d, "edSzuletes")->text();
                type(d, "edJatekosNev", name);
                click(d, "btnOK");
                return d->result();
            });
            click(&players, "btnNew");
            EXPECT_TRUE(QDate::fromString(born, QStringLiteral("yyyyMMdd")).isValid()) << born.toStdString();
        }
        ASSERT_EQ(players.Rows().Count(), 2);
        // The list is in name order and the new player is the current row.
        EXPECT_EQ(players.Rows().Cells(0).first(), QStringLiteral("Kiss Péter"));
        EXPECT_EQ(players.Rows().Current(), 1);
        for (const TPlayerRow &p : dm.Players())
            EXPECT_FALSE(p.WebID.isEmpty()) << p.JatekosNev.toStdString();
    }
    {
        TfrmNewLigaCsapat join(context);
        EXPECT_EQ(child<QComboBox>(&join, "cbLiga")->currentText(), QStringLiteral("NB I"));
        QToolButton *add = child<QToolButton>(&join, "sbAddCsapat");
        EXPECT_FALSE(add->isEnabled());
        clickEntry(child<QListWidget>(&join, "lbElerhetoLigaCsapatok"), QStringLiteral("Medvék"));
        ASSERT_TRUE(add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);
        EXPECT_FALSE(add->isEnabled());
        EXPECT_EQ(texts(child<QListWidget>(&join, "lbLigaCsapatok")), QStringList{QStringLiteral("Medvék")});
        EXPECT_EQ(child<QListWidget>(&join, "lbElerhetoLigaCsapatok")->count(), 0);
    }
    {
        TfrmNewLigaCsapatJatekos join(context);
        QListWidget *available = child<QListWidget>(&join, "lbElerhetoJatekosok");
        EXPECT_EQ(available->count(), 0); // no team chosen yet
        clickEntry(child<QListWidget>(&join, "lbCsapatok"), QStringLiteral("Medvék"));
        EXPECT_EQ(texts(available), (QStringList{QStringLiteral("Kiss Péter"), QStringLiteral("Nagy Ádám")}));
        for (const QString &name : {QStringLiteral("Nagy Ádám"), QStringLiteral("Kiss Péter")}) {
            clickEntry(available, name);
            click(&join, "sbAddJatekos");
        }
        EXPECT_EQ(texts(child<QListWidget>(&join, "lbCsapatJatekosok")),
                  (QStringList{QStringLiteral("Kiss Péter"), QStringLiteral("Nagy Ádám")}));
        EXPECT_EQ(available->count(), 0);
        EXPECT_EQ(dm.TeamPlayers().size(), 2);
    }
    {
        TfrmGameList games(context);
        games.SetDialogRunner([&](QDialog *d) {
            QComboBox *home = child<QComboBox>(d, "cbHazaiCsapat");
            EXPECT_EQ(home->count(), 0); // no league chosen, so no team to choose
            prompter.errors.clear();
            click(d, "btnOK");
            EXPECT_EQ(prompter.errors, QStringList{messages.MsgLeagueRequired});
            QComboBox *league = child<QComboBox>(d, "cbLiga");
            league->setFocus();
            QTest::keyClick(league, Qt::Key_Down);
            EXPECT_EQ(league->currentText(), QStringLiteral("NB I"));
            EXPECT_EQ(home->count(), 1);
            click(d, "btnOK");
            EXPECT_EQ(prompter.errors.last(), messages.MsgHomeTeamRequired);
            QComboBox *away = child<QComboBox>(d, "cbVendegCsapat");
            home->setCurrentIndex(0);
            away->setCurrentIndex(0);
            type(d, "edDatum", QStringLiteral("01.05.2031"));
            type(d, "edBiro1", QStringLiteral("Bíró Béla"));
            click(d, "btnOK");
            return d->result();
        });
        click(&games, "btnNew");
        ASSERT_EQ(games.Rows().Count(), 1);
        EXPECT_EQ(child<QLabel>(&games, "lblValue6_1")->text(), QStringLiteral("Medvék"));
    }
    // The new game wizard's schedule offers it.
    const QList<TGameRow> schedule = dm.Schedule();
    ASSERT_EQ(schedule.size(), 1);
    EXPECT_EQ(schedule.first().HazaiCsapatNev, QStringLiteral("Medvék"));
    EXPECT_EQ(schedule.first().VendegCsapatNev, QStringLiteral("Medvék"));
    EXPECT_EQ(schedule.first().LigaNev, QStringLiteral("NB I"));
    EXPECT_EQ(schedule.first().Biro1, QStringLiteral("Bíró Béla"));
    EXPECT_EQ(schedule.first().MerkozesKod.size(), 8);
}

TEST_F(MasterDialogs, ModifyEditsTheCurrentRowAndCancelKeepsIt)
{
    for (const char *name : {"Alfa", "Béta", "Gamma", "Delta"})
        dm.UpsertTeam({.WebID = QString::fromUtf8(name), .EgyesuletNev = QString::fromUtf8(name)});
    TfrmNewTeam clubs(context);
    EXPECT_EQ(clubs.Rows().Current(), 0);
    clubs.SelectRow(3); // Gamma, below the first page of three
    EXPECT_EQ(clubs.Rows().Top(), 1);
    EXPECT_TRUE(child<QFrame>(&clubs, "pnlRow3")->property("current").toBool());
    clubs.SetDialogRunner([&](QDialog *d) {
        type(d, "edEgyesuletNev", QStringLiteral("Omega"));
        click(d, "btnCancel");
        return d->result();
    });
    click(&clubs, "btnModify");
    EXPECT_EQ(dm.TeamById(clubs.Rows().CurrentId())->EgyesuletNev, QStringLiteral("Gamma"));
    clubs.SetDialogRunner([&](QDialog *d) {
        EXPECT_EQ(child<QLineEdit>(d, "edEgyesuletNev")->text(), QStringLiteral("Gamma"));
        type(d, "edEgyesuletNev", QStringLiteral("Omega"));
        click(d, "btnOK");
        return d->result();
    });
    click(&clubs, "btnModify");
    EXPECT_EQ(clubs.Rows().Cells(clubs.Rows().Current()).first(), QStringLiteral("Omega"));
    EXPECT_EQ(clubs.Rows().Count(), 4);
}

TEST_F(MasterDialogs, LeagueDialogClosesOnlyByItsButtons)
{
    TRowEdit edit(dm, TMasterKind::League);
    edit.StartInsert();
    TfrmLiga dialog(context, edit);
    dialog.show();
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dm.RowCount(QStringLiteral("League")), 0);
}

TEST_F(MasterDialogs, EveryDialogIsTranslatedWhenItOpens)
{
    TBracketTranslator brackets;
    const TDialogContext bracketed{dm, brackets, messages, prompter};
    TRowEdit game(dm, TMasterKind::Game);
    game.StartInsert();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<TfrmNewLiga>(bracketed));
    dialogs.push_back(std::make_unique<TfrmNewTeam>(bracketed));
    dialogs.push_back(std::make_unique<TfrmNewPlayer>(bracketed));
    dialogs.push_back(std::make_unique<TfrmGameList>(bracketed));
    dialogs.push_back(TfrmMasterEdit::Create(bracketed, game));
    dialogs.push_back(std::make_unique<TfrmNewLigaCsapat>(bracketed));
    dialogs.push_back(std::make_unique<TfrmNewLigaCsapatJatekos>(bracketed));
    for (const auto &d : dialogs) {
        const std::string name = d->objectName().toStdString();
        EXPECT_TRUE(d->windowTitle().startsWith(QLatin1Char('['))) << name;
        EXPECT_NE(d->findChild<QWidget *>(QStringLiteral("imgProduct")), nullptr) << name;
        for (QLabel *label : d->findChildren<QLabel *>()) {
            if (!label->text().isEmpty() && !label->objectName().startsWith(QLatin1String("lblValue"))) {
                EXPECT_TRUE(label->text().startsWith(QLatin1Char('[')))
                    << name << " " << label->objectName().toStdString();
            }
        }
        for (QAbstractButton *button : d->findChildren<QAbstractButton *>())
            EXPECT_TRUE(button->text().startsWith(QLatin1Char('[')))
                << name << " " << button->objectName().toStdString();
    }
}

TEST_F(MasterDialogs, FrameCloseOfTheOtherEditDialogsIsCancel)
{
    for (TMasterKind kind : {TMasterKind::Team, TMasterKind::Player, TMasterKind::Game}) {
        TRowEdit edit(dm, kind);
        edit.StartInsert();
        const std::unique_ptr<TfrmMasterEdit> dialog = TfrmMasterEdit::Create(context, edit);
        dialog->show();
        EXPECT_TRUE(dialog->close()) << dialog->objectName().toStdString();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(dm.RowCount(TRowEdit::Table(kind)), 0) << dialog->objectName().toStdString();
    }
}

TEST_F(MasterDialogs, StorageErrorIsShownAndTheDialogStaysAsItWas)
{
    TRowEdit edit(dm, TMasterKind::Team);
    edit.StartInsert();
    const std::unique_ptr<TfrmMasterEdit> dialog = TfrmMasterEdit::Create(context, edit);
    dialog->show();
    type(dialog.get(), "edEgyesuletNev", QStringLiteral("Medvek"));
    ASSERT_TRUE(dm.Query(QStringLiteral("drop table \"Team\""), {}));
    click(dialog.get(), "btnOK");
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_TRUE(prompter.errors.first().contains(QStringLiteral("no such table")))
        << prompter.errors.first().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "edEgyesuletNev")->text(), QStringLiteral("Medvek"));
}

// The arrows and a double click act on each list's current entry, whether
// the mouse, the arrow keys or typed letters made it current.
TEST_F(MasterDialogs, JoiningActsOnTheCurrentEntryHoweverItWasChosen)
{
    const int league = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("NB I"));
    QList<int> teams;
    for (const char *name : {"Alfa", "Béta"}) {
        teams << dm.UpsertTeam({.WebID = QString::fromUtf8(name), .EgyesuletNev = QString::fromUtf8(name)});
        dm.UpsertLeagueTeam(league, teams.last(), QStringLiteral("L1"), QString::fromUtf8(name));
    }
    for (const char *name : {"KISS Péter", "NAGY Ádám", "SMITH John", "TÓTH Ede"})
        dm.UpsertPlayer({.WebID = QString::fromUtf8(name), .JatekosNev = QString::fromUtf8(name)});
    auto roster = [&](int team) {
        QStringList names;
        for (const TTeamPlayerRow &r : dm.TeamPlayers())
            if (r.CsapatID == team)
                names << dm.PlayerById(r.JatekosID)->JatekosNev;
        names.sort();
        return names;
    };

    TfrmNewLigaCsapatJatekos join(context);
    join.show();
    QListWidget *teamList = child<QListWidget>(&join, "lbCsapatok");
    QListWidget *available = child<QListWidget>(&join, "lbElerhetoJatekosok");
    QListWidget *members = child<QListWidget>(&join, "lbCsapatJatekosok");
    QTest::keyClick(teamList, Qt::Key_Down);
    ASSERT_EQ(available->count(), 4);

    // Typed letters: "SM" makes SMITH John current after KISS Péter was clicked.
    clickEntry(available, QStringLiteral("KISS Péter"));
    QTest::keyClicks(available, QStringLiteral("SM"));
    EXPECT_EQ(available->currentItem()->text(), QStringLiteral("SMITH John"));
    click(&join, "sbAddJatekos");
    EXPECT_EQ(roster(teams.at(0)), QStringList{QStringLiteral("SMITH John")});

    // Arrow keys: Down, Down from the first entry is NAGY Ádám.
    QTest::keyClick(available, Qt::Key_Down);
    QTest::keyClick(available, Qt::Key_Down);
    EXPECT_EQ(available->currentItem()->text(), QStringLiteral("NAGY Ádám"));
    click(&join, "sbAddJatekos");
    EXPECT_EQ(roster(teams.at(0)), (QStringList{QStringLiteral("NAGY Ádám"), QStringLiteral("SMITH John")}));

    // "<" takes the member made current by the keys.
    QTest::keyClick(members, Qt::Key_Down);
    QTest::keyClick(members, Qt::Key_Down);
    click(&join, "sbRemoveJatekos");
    EXPECT_EQ(roster(teams.at(0)), QStringList{QStringLiteral("NAGY Ádám")});

    // A double click moves the entry as ">" does.
    QListWidgetItem *toth = available->findItems(QStringLiteral("TÓTH Ede"), Qt::MatchExactly).first();
    available->scrollToItem(toth);
    // As the window system sends it: a click, then the double click.
    const QPoint at = available->visualItemRect(toth).center();
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(roster(teams.at(0)), (QStringList{QStringLiteral("NAGY Ádám"), QStringLiteral("TÓTH Ede")}));

    // Down and Up in the team list: the player lists follow the team highlighted.
    QTest::keyClick(teamList, Qt::Key_Down);
    EXPECT_EQ(teamList->currentItem()->text(), QStringLiteral("Béta"));
    EXPECT_EQ(members->count(), 0);
    QTest::keyClick(teamList, Qt::Key_Up);
    EXPECT_EQ(teamList->currentItem()->text(), QStringLiteral("Alfa"));
    EXPECT_EQ(texts(members), (QStringList{QStringLiteral("NAGY Ádám"), QStringLiteral("TÓTH Ede")}));

    // Enter on a member takes it out.
    QTest::keyClick(members, Qt::Key_Down);
    QTest::keyClick(members, Qt::Key_Return);
    EXPECT_EQ(roster(teams.at(0)), QStringList{QStringLiteral("TÓTH Ede")});
    EXPECT_TRUE(join.isVisible()); // Enter moved the entry, it did not close the dialog

    ASSERT_TRUE(dm.Query(QStringLiteral("delete from \"LeagueTeam\""), {}));
    TfrmNewLigaCsapat fresh(context);
    QListWidget *out = child<QListWidget>(&fresh, "lbElerhetoLigaCsapatok");
    clickEntry(out, QStringLiteral("Alfa"));
    QTest::keyClick(out, Qt::Key_Down);
    click(&fresh, "sbAddCsapat");
    EXPECT_EQ(texts(child<QListWidget>(&fresh, "lbLigaCsapatok")), QStringList{QStringLiteral("Béta")});
}

TEST_F(MasterDialogs, ListsDeleteOnlyRowsNothingRefersToAndEditsRefuseWhatIsNoDate)
{
    const int league = dm.UpsertLeague(QStringLiteral("L1"), QStringLiteral("NB I"));
    const int team = dm.UpsertTeam({.WebID = QStringLiteral("T1"), .EgyesuletNev = QStringLiteral("Alfa")});
    dm.UpsertLeagueTeam(league, team, QStringLiteral("L1"), QStringLiteral("T1"));
    for (const char *name : {"KISS Péter", "NAGY Ádám"})
        dm.UpsertPlayer({.WebID = QString::fromUtf8(name), .JatekosNev = QString::fromUtf8(name)});

    TfrmNewLiga leagues(context);
    click(&leagues, "btnDelete");
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_TRUE(prompter.errors.first().contains(QStringLiteral("Teams joined to the league: 1")))
        << prompter.errors.first().toStdString();
    EXPECT_EQ(dm.RowCount(QStringLiteral("League")), 1);

    TfrmNewPlayer players(context);
    // The keys reach the rows while a button has the focus, as when the list opens.
    QPushButton *focused = child<QPushButton>(&players, "btnNew");
    QTest::keyClick(focused, Qt::Key_Down);
    QTest::keyClick(focused, Qt::Key_Delete);
    EXPECT_EQ(prompter.errors.size(), 1);
    ASSERT_EQ(players.Rows().Count(), 1);
    EXPECT_EQ(players.Rows().Cells(0).first(), QStringLiteral("KISS Péter"));
    EXPECT_EQ(players.Rows().Current(), 0);

    players.SetDialogRunner([&](QDialog *d) {
        type(d, "edSzuletes", QStringLiteral("soon"));
        click(d, "btnOK");
        EXPECT_EQ(prompter.errors.last(), messages.MsgBirthDateInvalid);
        EXPECT_TRUE(d->isVisible() || d->result() != QDialog::Accepted);
        type(d, "edSzuletes", QStringLiteral("19990412"));
        click(d, "btnOK");
        return d->result();
    });
    click(&players, "btnModify");
    EXPECT_EQ(players.Rows().Cells(0).at(2), QStringLiteral("19990412"));
}

// A value of a list row is shown whole, on the first page as on the one the
// keys scroll to: the dialog widens for the longest.
TEST_F(MasterDialogs, ListValuesAreShownWholeOnEveryPage)
{
    const QStringList halls{QStringLiteral("Csarnok"), QString::fromUtf8("Debreceni Városi Sportcsarnok"),
                            QStringLiteral("Hall"), QStringLiteral("Arena"),
                            QString::fromUtf8("Zalaegerszegi Városi Sportcsarnok és Rendezvényközpont")};
    for (int i = 0; i < halls.size(); ++i)
        dm.UpsertTeam({.WebID = QStringLiteral("T%1").arg(i),
                       .EgyesuletNev = QStringLiteral("Team %1").arg(i),
                       .EgyesuletCsarnok = halls.at(i)});
    TfrmNewTeam clubs(context);
    clubs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clubs));
    auto clipped = [&] {
        QStringList cut;
        for (QLabel *value : clubs.findChildren<QLabel *>())
            if (value->objectName().startsWith(QLatin1String("lblValue")) && value->isVisible() &&
                value->width() < value->fontMetrics().horizontalAdvance(value->text()))
                cut << value->text();
        return cut;
    };
    EXPECT_TRUE(clipped().isEmpty()) << clipped().join(u'|').toStdString();
    QPushButton *focused = child<QPushButton>(&clubs, "btnNew");
    for (int i = 0; i < halls.size(); ++i)
        QTest::keyClick(focused, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(clubs.Rows().Current(), halls.size() - 1);
    EXPECT_TRUE(clipped().isEmpty()) << clipped().join(u'|').toStdString();
}
