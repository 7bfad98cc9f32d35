#pragma once

#include "IScreenLink.h"
#include "model/statistics/TSideHistory.h"

#include <QHash>
#include <QList>
#include <QStringList>

// A screen without a window: it keeps every named item and history line so
// scripts and tests can read what the court screen would show.
class THeadlessScreen : public IScreenLink
{
public:
    struct Item
    {
        QString Text;
        bool Visible = true;
        TColor Color = 0xff000000;
        bool Bold = false;
        int Tag = 0;
    };
    struct HistoryLine
    {
        int EventId = 0;
        QString Text;
    };

    void SetItemText(const QString &name, const QString &text) override { m_items[name].Text = text; }
    QString ItemText(const QString &name) const override { return m_items.value(name).Text; }
    void SetItemVisible(const QString &name, bool visible) override { m_items[name].Visible = visible; }
    bool ItemVisible(const QString &name) const override;
    void SetItemColor(const QString &name, TColor color) override { m_items[name].Color = color; }
    void SetItemBold(const QString &name, bool bold) override { m_items[name].Bold = bold; }
    void SetItemTag(const QString &name, int tag) override { m_items[name].Tag = tag; }
    int ItemTag(const QString &name) const override { return m_items.value(name).Tag; }

    void AddHistoryLine(int side, TGameEvent *event) override;
    void HistoryCommand(int side, int kind) override;
    void LightActiveAI(int code, int side) override;
    void SetEventsLocked(bool locked) override;

    void SetGame(TGame *game) override { m_game = game; }
    bool SelectHistoryNumber(int side, int number) override;
    bool SelectLastHistoryEntry(int side) override;
    int SelectedHistoryId(int side) const override { return log(side).SelectedId; }
    bool HasHistoryEntry(int side, int id) const override { return log(side).Find(id) != nullptr; }
    bool ChangeHistoryEvent(int side, int id, const TEventChange &change, QString *error) override;
    void HoldHistoryLine(int side, int id) override;
    void DropHistoryLine(int side, int id) override;
    // The numbered entries as the court screen numbers them.
    const TSideHistory &log(int side) const { return side == 1 ? m_logs[0] : m_logs[1]; }

    Item item(const QString &name) const { return m_items.value(name); }
    bool hasItem(const QString &name) const { return m_items.contains(name); }
    const QList<HistoryLine> &history(int side) const { return side == 1 ? m_home : m_away; }
    // Every line in the order added, a tick per line; corrections remove and rewrite lines.
    // Every hint as "code/side", and every history command as "side:kind".
    const QStringList &hints() const { return m_hints; }
    const QStringList &commands() const { return m_commands; }
    bool eventsLocked() const { return m_locked; }

private:
    TSideHistory &sideLog(int side) { return side == 1 ? m_logs[0] : m_logs[1]; }
    // The plain lines of an event follow its correction or deletion.
    void refreshLine(int side, int id);

    TGame *m_game = nullptr;
    TSideHistory m_logs[2];
    QHash<QString, Item> m_items;
    QList<HistoryLine> m_home;
    QList<HistoryLine> m_away;
    QStringList m_hints;
    QStringList m_commands;
    bool m_locked = false;
};
