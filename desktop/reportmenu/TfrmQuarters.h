#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class ITranslator;
class QCheckBox;
class TGame;

// The periods of the quarter report ("Quarters"): one box for each period
// the game had, regular periods first, then each overtime played, all clear
// when the dialog opens. OK with nothing ticked is refused with a message.
class TfrmQuarters : public QDialog
{
    Q_OBJECT

public:
    TfrmQuarters(ITranslator &translator, const TGame &game, QWidget *parent = nullptr);

    // The ticked periods, numbered in playing order (TPeriodRule).
    QList<int> Periods() const;
    int BoxCount() const { return int(m_boxes.size()); }
    QCheckBox *Box(int index) const { return m_boxes.value(index); }

    // Tells why OK was refused; a message box by default.
    std::function<void(const QString &)> ShowError;

private:
    void ok();

    ITranslator &m_translator;
    const TGame &m_game;
    QList<QCheckBox *> m_boxes;
    QList<int> m_stretches;
};
