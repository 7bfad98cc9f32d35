#pragma once

#include <QStringList>
#include <QTextStream>

class TGame;
class THeadlessScreen;

// The output options shared by the commands that play or load a game.
struct TGameOutputOptions
{
    bool Messages = false;
    bool History = false;
    QString JsonFile;

    // Takes the options it knows out of args; false with an error for a bad one.
    bool Parse(QStringList &args, QString *error);
};

// Prints each team's and player's statistics, then what the options ask for.
bool WriteGameOutput(const TGame &game, const THeadlessScreen &screen, const TGameOutputOptions &options,
                     QTextStream &out, QTextStream &err);
void WriteStatistics(const TGame &game, QTextStream &out);

// Takes "--name VALUE" out of args; empty when absent.
QString TakeOption(QStringList &args, const QString &name, bool *present = nullptr);
