#include "TVirtualKeys.h"

#include "TKeyboardMap.h"

#include <Qt>

int TVirtualKeys::FromQt(int qtKey, bool keypad)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return TKeyboardMap::Numpad0 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return TKeyboardMap::NumpadMultiply;
        case Qt::Key_Plus:
            return TKeyboardMap::NumpadAdd;
        case Qt::Key_Minus:
            return TKeyboardMap::NumpadSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return TKeyboardMap::NumpadDecimal;
        case Qt::Key_Slash:
            return TKeyboardMap::NumpadDivide;
        default:
            break; // Enter, the arrows and Delete of the keypad are the keys they name
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return TKeyboardMap::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return TKeyboardMap::Tab;
    case Qt::Key_Shift:
        return TKeyboardMap::Shift;
    case Qt::Key_Control:
        return TKeyboardMap::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return TKeyboardMap::Alt;
    case Qt::Key_Space:
        return TKeyboardMap::Space;
    case Qt::Key_Delete:
        return TKeyboardMap::Delete;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return TKeyboardMap::Minus;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return TKeyboardMap::Equals;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return TKeyboardMap::LeftBracket;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return TKeyboardMap::RightBracket;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return TKeyboardMap::Backslash;
    // Shift with the digit row.
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    default:
        return 0;
    }
}
