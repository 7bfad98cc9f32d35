#include "TKeyHelp.h"

#include <QStringList>

namespace {

QString jerseys(const TKeyboardMap::Slots &hotkeys)
{
    QStringList numbers;
    for (int jersey : hotkeys)
        numbers.append(jersey < 0 ? QStringLiteral("–") : QString::number(jersey));
    return QStringLiteral(" (") + numbers.join(QLatin1Char(' ')) + QLatin1Char(')');
}

TKeyHelp::TLine line(const char *keys, const char *text, const QString &suffix = {})
{
    return {QString::fromUtf8(keys), QString::fromUtf8(text), suffix};
}

// The keys that need no team or that only move between modes.
QList<TKeyHelp::TLine> alwaysLines()
{
    return {line("F1", "This list of keys; any key or click closes it"),
            line("Alt", "Held: records an event between periods"),
            line("Ctrl", "Held: a mouse shot follows an offensive rebound of the shooter")};
}

// Keys of the keyboard map that record for the team the player keys or
// F6 / F9 chose.
QList<TKeyHelp::TLine> eventLines()
{
    return {line("F4", "+15 seconds; when the period's time is over: end of the period"),
            line("F3", "Complete the minute"),
            line("F6", "Home team events (team row)"),
            line("F9", "Away team events (team row)"),
            line("F7", "Home timeout"),
            line("F10", "Away timeout"),
            line("B  N  M", "Three-pointer: wing, top, other wing (Shift: made)"),
            line("G  H  J", "Two-pointer from mid-range (Shift: made)"),
            line("T  Y", "Layup (Shift: made)"),
            line("U", "Free throw (Shift: made)"),
            line("1", "Steal"),
            line("2", "Turnover"),
            line("3", "Assist"),
            line("4", "Fast break mark on or off"),
            line("5", "Personal foul"),
            line("6", "Foul drawn"),
            line("7", "Technical foul"),
            line("8", "Block"),
            line("9", "Block received"),
            line("0", "Defensive rebound"),
            line("-", "Offensive rebound"),
            line("=", "Indirect steal")};
}

} // namespace

QList<TKeyHelp::TLine> TKeyHelp::Lines(const TMode &mode)
{
    QList<TLine> lines = alwaysLines();
    if (!mode.KeyboardInput) {
        lines.append(line("", "The keyboard records only with keyboard input (INPUT_KEYBOARD)"));
        return lines;
    }
    lines.append(line("F2", "Substitution mode on or off"));
    lines.append(line("Tab  Q  W  E", "Select a home player", jerseys(mode.HomeSlots)));
    lines.append(line("\\  ]  [  P", "Select an away player", jerseys(mode.AwaySlots)));
    if (mode.SubstitutionMode) {
        lines.append(line("", "Substitution mode: a bench player's key brings that player on"));
        return lines;
    }
    if (mode.EventsLocked)
        lines.append(line("", "Between periods the event keys record only with Alt held"));
    lines.append(eventLines());
    return lines;
}

QStringList TKeyHelp::AllTexts()
{
    QStringList texts = {Title()};
    TMode keyboard;
    keyboard.KeyboardInput = true;
    keyboard.EventsLocked = true;
    TMode substitution = keyboard;
    substitution.SubstitutionMode = true;
    for (const TMode &mode : {TMode{}, keyboard, substitution})
        for (const TLine &l : Lines(mode))
            if (!texts.contains(l.Text))
                texts.append(l.Text);
    return texts;
}
