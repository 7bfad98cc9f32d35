#pragma once

#include <QDialog>
#include <array>

class ITranslator;
class QCheckBox;

// The periods of the quarter report ("Quarters"): four quarters and the
// overtime, all clear when the dialog opens.
class TfrmQuarters : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmQuarters(ITranslator &translator, QWidget *parent = nullptr);

    // Periods 1 to 4 and the overtime, as ticked.
    std::array<bool, 5> Periods() const;
    QCheckBox *Box(int index) const { return m_boxes[size_t(index)]; }

private:
    std::array<QCheckBox *, 5> m_boxes{};
};
