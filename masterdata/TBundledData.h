#pragma once

#include <QDate>
#include <QString>

class TdmMain;

// The data shipped with the application home, kept as readable text files
// in the repository and written into the database by the build: the
// language list, the translations, and a sample league with its schedule.
class TBundledData
{
public:
    struct TSources
    {
        QString languages;    // "CODE<TAB>Shown name" per line
        QString translations; // header "StringType<TAB>NonTranslatedString<TAB>LANG...", then rows
        QString sampleLeague; // an update text (UTF-8) with {date+N} and {weekday+N}
        QString halls;        // "team web ID<TAB>hall" per line; optional
    };

    struct TCounts
    {
        int languages = 0;
        int translations = 0;
        int leagues = 0;
    };

    // Replaces {date+N} by the date N days after today ("dd.mm.yyyy") and
    // {weekday+N} by the Hungarian name of its weekday.
    static QString ExpandDates(const QString &text, const QDate &today);
    static QString HungarianWeekday(const QDate &date);

    // Lines starting with '#' and blank lines are skipped; a malformed line
    // stops the load with its file and line number.
    static bool LoadLanguages(TdmMain &dm, const QString &path, int *count, QString *error);
    static bool LoadTranslations(TdmMain &dm, const QString &path, int *count, QString *error);
    // The halls of teams already in the database; a team that is not there
    // stops the load with the file and line number.
    static bool LoadHalls(TdmMain &dm, const QString &path, QString *error);

    // The language list and translations built into the program: the same
    // files the build writes into the home's database.
    static QString BuiltInLanguages();
    static QString BuiltInTranslations();
    // Gives a database the built-in languages and translations it lacks, so
    // a database made anew translates as the bundled one does: a text with
    // no translation (or an empty one) gets the built-in translation, one
    // the user entered stays. One transaction; false with the reason.
    static bool AddMissingTexts(TdmMain &dm, QString *error);
    // AddMissingTexts for a database without a single translation (one just
    // made, or made by a program that wrote none); others are left alone.
    static bool GiveTextsToBareDatabase(TdmMain &dm, QString *error);

    // Writes "parquetix.db" and its empty pristine copy "Original/parquetix.db"
    // into the folder, each replacing the old file only once it is complete.
    static bool Write(const QString &datastoreFolder, const TSources &sources, const QDate &today,
                      TCounts *counts, QString *error);

private:
    static bool loadTranslations(TdmMain &dm, const QString &path, bool onlyMissing, int *count,
                                 QString *error);
};
