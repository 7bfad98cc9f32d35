#pragma once

#include "desktop/court/IHistoryDialogs.h"

#include <functional>

class ITranslator;
class QDialog;
class QWidget;
class TPictureLibrary;

// The history's dialogs as windows: each is created when opened, translated,
// shown modally over the court screen and freed when closed.
class THistoryDialogs : public IHistoryDialogs
{
public:
    THistoryDialogs(const TPictureLibrary &pictures, ITranslator *translator, QWidget *parent);

    bool SelectPlayer(const QString &teamName, const QList<THistoryChoice> &players, int *value) override;
    bool SelectEvent(const QList<THistoryChoice> &events, int *value) override;
    bool SelectEventId(int *value) override;
    bool ChangeEvent(TChangeEventLogic &logic) override;

    // Called with every dialog just before it is shown (tests drive it from here).
    std::function<void(QDialog *)> BeforeShow;

private:
    bool run(QDialog &dialog);

    const TPictureLibrary &m_pictures;
    ITranslator *m_translator;
    QWidget *m_parent;
};
