#pragma once

// The Windows virtual-key code the court screen's key map is written in, for
// a Qt key; 0 for keys the screen does not use. Shifted symbols of the digit
// row and of the punctuation keys (US layout) give their unshifted key, so a
// key held with Shift is still the same key. Keys of the numeric keypad
// (keypad: the key event carries the keypad modifier) give the keypad's own
// codes, which the key map does not use: only the main-row digits record.
class TVirtualKeys
{
public:
    static int FromQt(int qtKey, bool keypad = false);
};
