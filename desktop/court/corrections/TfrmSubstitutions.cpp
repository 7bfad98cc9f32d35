#include "TfrmSubstitutions.h"

#include "desktop/court/input/TKeyboardMap.h"
#include "desktop/court/input/TVirtualKeys.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using Logic = TSubstitutionsLogic;

TfrmSubstitutions::TfrmSubstitutions(TSubstitutionsLogic &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmSubstitutions"));
    setWindowTitle(QStringLiteral("Substitute players & Set time"));
    setFixedSize(526, 447);
    // The entries' jersey column lines up in a fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const char *names[4] = {"lbHazaiJatekosok", "lbHazaiJatszoJatekosok", "lbVendegJatekosok",
                            "lbVendegJatszoJatekosok"};
    for (int side = 1; side <= 2; ++side) {
        const int top = side == 1 ? 8 : 212;
        auto *caption =
            new QLabel(side == 1 ? QStringLiteral("Home players") : QStringLiteral("Away players"), this);
        caption->setGeometry(8, top, 200, 18);
        for (const Logic::TListKind kind : {Logic::Available, Logic::Lineup}) {
            auto *list = new QListWidget(this);
            list->setObjectName(QLatin1String(names[(side - 1) * 2 + kind]));
            list->setGeometry(kind == Logic::Available ? 8 : 312, top + 22, 206, 170);
            list->setFont(fixed);
            list->installEventFilter(this);
            m_lists[(side - 1) * 2 + kind] = list;
            connect(list, &QListWidget::currentRowChanged, this, [this, side, kind](int row) {
                if (!m_refreshing)
                    m_logic.Select(side, kind, row);
            });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, side, kind, list](QListWidgetItem *item) {
                        m_logic.DoubleClick(side, kind, list->row(item));
                        refresh();
                    });
        }
        auto button = [this, top](const char *name, const QString &text, int y) {
            auto *b = new QPushButton(text, this);
            b->setObjectName(QLatin1String(name));
            b->setGeometry(226, top + 22 + y, 74, 30);
            b->setFocusPolicy(Qt::NoFocus);
            return b;
        };
        m_add[side - 1] =
            button(side == 1 ? "sbJatekosAddCsapat1" : "sbJatekosAddCsapat2", QStringLiteral(">"), 20);
        m_remove[side - 1] =
            button(side == 1 ? "sbJatekosRemoveCsapat1" : "sbJatekosRemoveCsapat2", QStringLiteral("<"), 60);
        QPushButton *last5 =
            button(side == 1 ? "sbHomeTeamLast5" : "sbAwayTeamLast5", QStringLiteral("L5"), 120);
        connect(m_add[side - 1], &QPushButton::clicked, this, [this, side] {
            m_logic.Add(side);
            refresh();
        });
        connect(m_remove[side - 1], &QPushButton::clicked, this, [this, side] {
            m_logic.Remove(side);
            refresh();
        });
        connect(last5, &QPushButton::clicked, this, [this, side] {
            m_logic.LastFive(side);
            refresh();
        });
    }
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("bbOK"));
    m_ok->setGeometry(334, 408, 88, 30);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("bbCancel"));
    cancel->setGeometry(430, 408, 88, 30);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    List(1, Logic::Available)->setFocus();
}

void TfrmSubstitutions::fillList(int side, Logic::TListKind kind)
{
    QListWidget *list = List(side, kind);
    list->clear();
    for (const Logic::TEntry &e : m_logic.Entries(side, kind))
        list->addItem(e.Text);
    list->setCurrentRow(m_logic.Selected(side, kind));
}

void TfrmSubstitutions::refresh()
{
    m_refreshing = true;
    for (int side = 1; side <= 2; ++side) {
        fillList(side, Logic::Available);
        fillList(side, Logic::Lineup);
        m_add[side - 1]->setEnabled(m_logic.AddEnabled(side));
        m_remove[side - 1]->setEnabled(m_logic.RemoveEnabled(side));
    }
    m_ok->setEnabled(m_logic.OkEnabled());
    m_refreshing = false;
}

bool TfrmSubstitutions::listOf(QObject *watched, int *side, Logic::TListKind *kind) const
{
    for (int i = 0; i < 4; ++i) {
        if (m_lists[i] == watched) {
            *side = i / 2 + 1;
            *kind = Logic::TListKind(i % 2);
            return true;
        }
    }
    return false;
}

// Enter moves the list's entry; the player hotkeys (Tab among them) act on
// an available list when released, so their presses never reach the list.
bool TfrmSubstitutions::eventFilter(QObject *watched, QEvent *event)
{
    int side = 0;
    Logic::TListKind kind = Logic::Available;
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) ||
        !listOf(watched, &side, &kind))
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (event->type() == QEvent::KeyPress) {
            m_logic.Enter(side, kind);
            refresh();
        }
        return true;
    }
    int hotkeySide = 0;
    int slot = 0;
    const int virtualKey = TVirtualKeys::FromQt(key->key(), key->modifiers().testFlag(Qt::KeypadModifier));
    if (kind != Logic::Available || !TKeyboardMap::HotkeySlot(virtualKey, &hotkeySide, &slot) ||
        hotkeySide != side)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
        m_logic.Hotkey(side, slot);
        refresh();
    }
    return true;
}
