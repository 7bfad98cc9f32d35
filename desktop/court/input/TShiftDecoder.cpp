#include "TShiftDecoder.h"

#include "TKeyboardMap.h"

void TShiftDecoder::Press(int key, bool shift)
{
    if (key == TKeyboardMap::Shift) {
        for (auto it = m_down.begin(); it != m_down.end(); ++it)
            it.value() = true;
        return;
    }
    m_down[key] = shift;
}

bool TShiftDecoder::Release(int key, bool shift)
{
    if (key == TKeyboardMap::Shift)
        return shift;
    return m_down.take(key) || shift;
}
