#include "TKeyHelp.h"

#include "model/events/EventKindTable.h"
#include "model/events/EventKinds.h"

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

TKeyHelp::TLine wordLine(const char *keys, const char *text)
{
    TKeyHelp::TLine l = line(keys, text);
    l.KeysAreWords = true;
    return l;
}

// The keys that need no team or that only move between modes.
QList<TKeyHelp::TLine> alwaysLines()
{
    return {line("F1", "This list of keys; any key or click closes it"),
            line("Alt", "Held: records an event between periods"),
            line("Ctrl", "Held: a mouse shot follows an offensive rebound of the shooter"),
            line("F12", "Print the box score"),
            line("F5", "Next flagged history line and its reasons; none left: confirm an ended period"),
            line("Shift+F5", "Dismiss the flag of the line gone to or selected"),
            line("Ctrl+F5", "Mark that line to check later, or take the mark off"),
            wordLine("Space", "Substitutions dialog"),
            wordLine("Delete", "Set the game time"),
            wordLine("Right click", "On the court: missed shot; on a history line: change its event"),
            wordLine("Right click", "Delete button: the last line goes; empty bench row: add a player")};
}

// An event key is named as the history names its event.
TKeyHelp::TLine eventLine(const char *keys, int kind)
{
    return {QString::fromUtf8(keys), EventKindTable::HistoryWord(kind, 0), {}};
}

// Keys of the keyboard map that record for the team the player keys or
// F6 / F9 chose.
QList<TKeyHelp::TLine> eventLines()
{
    return {line("F6", "Home team events (team row)"),
            line("F9", "Away team events (team row)"),
            line("F7", "Home timeout"),
            line("F10", "Away timeout"),
            line("B  N  M", "Three-pointer: wing, top, other wing (Shift: made)"),
            line("G  H  J", "Two-pointer from mid-range (Shift: made)"),
            line("T  Y", "Layup (Shift: made)"),
            line("U", "Free throw (Shift: made)"),
            eventLine("1", Kind::Steal),
            eventLine("2", Kind::Turnover),
            eventLine("3", Kind::Assist),
            line("4", "Fast break mark on or off"),
            eventLine("5", Kind::PersonalFoul),
            eventLine("6", Kind::FoulDrawn),
            eventLine("7", Kind::TechnicalFoul),
            eventLine("8", Kind::Block),
            eventLine("9", Kind::BlockReceived),
            eventLine("0", Kind::DefensiveRebound),
            eventLine("-", Kind::OffensiveRebound),
            eventLine("=", Kind::IndirectSteal),
            line("Num 1-6", "Type of the turnover or foul just recorded")};
}

// The clock and the corrections, which work between periods as well.
QList<TKeyHelp::TLine> clockLines()
{
    return {line("F4", "+15 seconds; when the period's time is over: end of the period"),
            line("F3", "Complete the minute"),
            line("F8  F11", "Delete the selected home / away history line")};
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
    lines.append(clockLines());
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
        for (const TLine &l : Lines(mode)) {
            if (!texts.contains(l.Text))
                texts.append(l.Text);
            if (l.KeysAreWords && !texts.contains(l.Keys))
                texts.append(l.Keys);
        }
    return texts;
}
