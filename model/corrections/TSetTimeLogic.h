#pragma once

#include <QString>

class TGame;
class TGameEvent;

// The set time dialog without widgets: the field's text with its key filter,
// the normalisation when the field loses the focus, and the message that
// tells the server the official clock. The game's own clock never changes.
class TSetTimeLogic
{
public:
    static constexpr int MaxLength = 5;

    // The field starts with the court screen's clock, "MM:SS".
    explicit TSetTimeLogic(TGame &game);

    // "MMSS" shown as its first two characters, ":" and its last two.
    static QString Shown(const QString &digits);
    // Digits and ":" pass; every other character is discarded.
    static bool Accepts(QChar c);
    // Without colons, padded to four digits from the left, at most the
    // period length in minutes, shown as "MM:SS".
    static QString Normalised(const QString &text, int periodLength);

    const QString &Text() const { return m_text; }
    // What the field holds after an edit the filter let through.
    void SetText(const QString &text) { m_text = text.left(MaxLength); }
    // Typing over the whole field: the characters the filter passes.
    void TypeOver(const QString &typed);
    // The field lost the focus within the dialog (Tab, a click on OK).
    void LeaveField() { m_text = Normalised(m_text, periodLength()); }

    // What OK (the field left first) and Enter (as typed) would send, shown
    // before either is pressed, and a time beyond the period named.
    QString Preview() const;

    // OK: the 6001 message with the text's digits, queued for sending only;
    // the game is saved as after any correction.
    TGameEvent *Send();

private:
    int periodLength() const;

    TGame &m_game;
    QString m_text;
};
