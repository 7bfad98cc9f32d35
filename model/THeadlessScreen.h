#pragma once

#include "IScreenLink.h"

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

    Item item(const QString &name) const { return m_items.value(name); }
    bool hasItem(const QString &name) const { return m_items.contains(name); }
    const QList<HistoryLine> &history(int side) const { return side == 1 ? m_home : m_away; }
    // Every hint as "code/side", and every history command as "side:kind".
    const QStringList &hints() const { return m_hints; }
    const QStringList &commands() const { return m_commands; }
    bool eventsLocked() const { return m_locked; }

private:
    QHash<QString, Item> m_items;
    QList<HistoryLine> m_home;
    QList<HistoryLine> m_away;
    QStringList m_hints;
    QStringList m_commands;
    bool m_locked = false;
};
