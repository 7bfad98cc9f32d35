#include "desktop/text/TFormTranslator.h"
#include "model/services/Services.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// "<type>:text", remembering every look-up; throws for one chosen text.
class TaggingTranslator : public ITranslator
{
public:
    QString Translate(const QString &text, const QString &section) override
    {
        lookups << section + QLatin1Char('|') + text;
        if (text == failOn)
            throw std::runtime_error("storage failure");
        return section + QLatin1Char(':') + text;
    }
    QStringList lookups;
    QString failOn;
};

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// A window with one component of every kind the translator knows.
struct Form
{
    Form()
    {
        window.setWindowTitle(s("Online update"));
        auto *layout = new QVBoxLayout(&window);
        ok = new QPushButton(s("&OK"), &window);
        ok->setToolTip(s("Saves the row"));
        check = new QCheckBox(s("Online league"), &window);
        label = new QLabel(s("State:"), &window);
        group = new QGroupBox(s("Order"), &window);
        byName = new QRadioButton(s("By name"), group);
        byJersey = new QRadioButton(s("By jersey"), group);
        loneRadio = new QRadioButton(s("Alone"), &window);
        tabs = new QTabWidget(&window);
        tabs->addTab(new QWidget, s("General"));
        tabs->addTab(new QWidget, s("Connection"));
        looseBar = new QTabBar(&window);
        looseBar->addTab(s("Home"));
        tree = new QTreeWidget(&window);
        tree->setHeaderLabels({s("Name"), s("Jersey")});
        table = new QTableWidget(1, 2, &window);
        table->setHorizontalHeaderItem(0, new QTableWidgetItem(s("Date"))); // column 2 shows "2"
        model = new QStandardItemModel(0, 1, &window);
        model->setHorizontalHeaderLabels({s("League")});
        view = new QTableView(&window);
        view->setModel(model);
        edit = new QLineEdit(s("typed text"), &window);
        combo = new QComboBox(&window);
        combo->addItems({s("COM1"), s("COM2")});
        empty = new QLabel(&window);

        menuBar = new QMenuBar(&window);
        fileMenu = menuBar->addMenu(s("&Databases"));
        league = new QAction(s("League..."), &window);
        league->setStatusTip(s("Edits the leagues"));
        fileMenu->addAction(league);
        fileMenu->addSeparator();
        dash = new QAction(s("-"), &window);
        fileMenu->addAction(dash);
        hinted = new QAction(s("Player"), &window);
        hinted->setToolTip(s("Player list"));
        fileMenu->addAction(hinted);
        toolButton = new QToolButton(&window);
        toolButton->setDefaultAction(league);

        for (QWidget *w : std::initializer_list<QWidget *>{ok, check, label, group, loneRadio, tabs, looseBar,
                                                           tree, table, view, edit, combo, empty, toolButton})
            layout->addWidget(w);
    }

    QWidget window;
    QPushButton *ok;
    QCheckBox *check;
    QLabel *label;
    QGroupBox *group;
    QRadioButton *byName;
    QRadioButton *byJersey;
    QRadioButton *loneRadio;
    QTabWidget *tabs;
    QTabBar *looseBar;
    QTreeWidget *tree;
    QTableWidget *table;
    QStandardItemModel *model;
    QTableView *view;
    QLineEdit *edit;
    QComboBox *combo;
    QLabel *empty;
    QMenuBar *menuBar;
    QMenu *fileMenu;
    QAction *league;
    QAction *dash;
    QAction *hinted;
    QToolButton *toolButton;
};

} // namespace

TEST(FormTranslator, TranslatesEveryKindOfCaptionWithItsStringType)
{
    Form f;
    TaggingTranslator tr;
    TFormTranslator(tr).TranslateForm(&f.window);

    EXPECT_EQ(f.window.windowTitle(), s("FORM:Online update"));
    EXPECT_EQ(f.ok->text(), s("FORM:&OK"));
    EXPECT_EQ(f.ok->toolTip(), s("HINT:Saves the row"));
    EXPECT_EQ(f.check->text(), s("FORM:Online league"));
    EXPECT_EQ(f.label->text(), s("FORM:State:"));
    EXPECT_EQ(f.group->title(), s("FORM:Order"));
    EXPECT_EQ(f.byName->text(), s("RG:By name"));
    EXPECT_EQ(f.byJersey->text(), s("RG:By jersey"));
    EXPECT_EQ(f.loneRadio->text(), s("FORM:Alone"));
    EXPECT_EQ(f.tabs->tabText(0), s("TABSET:General"));
    EXPECT_EQ(f.tabs->tabText(1), s("TABSET:Connection"));
    EXPECT_EQ(f.looseBar->tabText(0), s("TABSET:Home"));
    EXPECT_EQ(f.tree->headerItem()->text(0), s("TABSET:Name"));
    EXPECT_EQ(f.tree->headerItem()->text(1), s("TABSET:Jersey"));
    EXPECT_EQ(f.table->horizontalHeaderItem(0)->text(), s("TABSET:Date"));
    EXPECT_EQ(f.model->headerData(0, Qt::Horizontal).toString(), s("TABSET:League"));
    EXPECT_EQ(f.fileMenu->title(), s("MENU:&Databases"));
    EXPECT_EQ(f.league->text(), s("MENU:League..."));
    EXPECT_EQ(f.league->statusTip(), s("HINT:Edits the leagues"));
    EXPECT_EQ(f.hinted->toolTip(), s("HINT:Player list"));

    // Typed text, list items and empty captions are no captions.
    EXPECT_EQ(f.edit->text(), s("typed text"));
    EXPECT_EQ(f.combo->itemText(1), s("COM2"));
    EXPECT_FALSE(tr.lookups.contains(s("FORM|")));
    EXPECT_FALSE(tr.lookups.contains(s("TABSET|2")));
    // Each caption is looked up once: the tab widget's own bar and the tool
    // button showing an action are not done twice.
    EXPECT_EQ(tr.lookups.count(s("TABSET|General")), 1);
    EXPECT_EQ(tr.lookups.count(s("MENU|League...")), 1);
    EXPECT_FALSE(tr.lookups.contains(s("FORM|League...")));
    // An action's tool tip that Qt makes from its text is not a hint of its own.
    EXPECT_FALSE(tr.lookups.contains(s("HINT|League")));
}

TEST(FormTranslator, LeavesMenuSeparatorsAlone)
{
    Form f;
    TaggingTranslator tr;
    TFormTranslator(tr).TranslateForm(&f.window);
    EXPECT_EQ(f.dash->text(), s("-"));
    for (const QString &lookup : tr.lookups)
        EXPECT_FALSE(lookup.startsWith(s("MENU|-"))) << lookup.toStdString();
    int separators = 0;
    for (QAction *a : f.fileMenu->actions()) {
        if (a->isSeparator()) {
            ++separators;
            EXPECT_TRUE(a->text().isEmpty());
        }
    }
    EXPECT_EQ(separators, 1);
}

TEST(FormTranslator, AFailureOnOneComponentLeavesTheOthersTranslated)
{
    Form f;
    TaggingTranslator tr;
    tr.failOn = s("Online league");
    TFormTranslator(tr).TranslateForm(&f.window);
    EXPECT_EQ(f.check->text(), s("Online league"));
    EXPECT_EQ(f.label->text(), s("FORM:State:"));
    EXPECT_EQ(f.league->text(), s("MENU:League..."));

    TaggingTranslator tabFails;
    tabFails.failOn = s("General");
    Form g;
    TFormTranslator(tabFails).TranslateForm(&g.window);
    EXPECT_EQ(g.tabs->tabText(0), s("General"));
    EXPECT_EQ(g.tabs->tabText(1), s("TABSET:Connection"));
}

TEST(FormTranslator, ASecondPassLooksUpTheTranslatedTexts)
{
    Form f;
    TaggingTranslator tr;
    TFormTranslator translator(tr);
    translator.TranslateForm(&f.window);
    tr.lookups.clear();
    translator.TranslateForm(&f.window);
    EXPECT_TRUE(tr.lookups.contains(s("FORM|FORM:&OK")));
    EXPECT_EQ(f.ok->text(), s("FORM:FORM:&OK"));
}

TEST(FormTranslator, ImplicitToolTipDropsMnemonicsAndEllipses)
{
    EXPECT_EQ(TFormTranslator::ImplicitToolTip(s("&League...")), s("League"));
    EXPECT_EQ(TFormTranslator::ImplicitToolTip(s("Save && close")), s("Save & close"));
    QAction plain(s("&Open..."));
    EXPECT_EQ(plain.toolTip(), TFormTranslator::ImplicitToolTip(plain.text()));
}
