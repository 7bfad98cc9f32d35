#pragma once

#include "CliHome.h"

#include "masterdata/TBundledData.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"
#include "shell/settings/TIniFile.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <memory>

// What the db subcommands share: their argument parsing and the opened
// database with its translator and message table.

// Options of the form "--name value" and flags; the rest are positional.
struct TArgs
{
    QStringList positional;
    QHash<QString, QString> options;
    QSet<QString> flags;
    QString error;

    TArgs(const QStringList &args, const QStringList &valued, const QStringList &flagNames)
    {
        for (int i = 0; i < args.size(); ++i) {
            const QString &a = args.at(i);
            if (valued.contains(a)) {
                if (i + 1 >= args.size()) {
                    error = a + QStringLiteral(" needs a value");
                    return;
                }
                options.insert(a, args.at(++i));
            } else if (flagNames.contains(a)) {
                flags.insert(a);
            } else if (a.startsWith(QLatin1String("--"))) {
                error = QStringLiteral("unknown option ") + a;
                return;
            } else {
                positional << a;
            }
        }
    }
};

class TDbSession
{
public:
    // Without a language given, the home's LANGUAGE, as every other command.
    explicit TDbSession(const QString &language) : dm(TdmMain::DatabaseFile(cliHomeFolder()))
    {
        const QString chosen = language.isEmpty() ? homeSetting(QStringLiteral("LANGUAGE")) : language;
        if (!chosen.isEmpty())
            translatorOwned = std::make_unique<TTranslator>(dm, chosen);
        // Names are listed in the order of the home's edition.
        dm.SetNameLocale(TdmMain::EditionLocale(homeSetting(QStringLiteral("VERSION"))));
    }

    bool open(QTextStream &err)
    {
        QString why;
        if (dm.OpenAll() && !TBundledData::GiveTextsToBareDatabase(dm, &why)) {
            err << "db: " << why << "\n";
            return false;
        }
        if (dm.IsOpen()) {
            if (translatorOwned)
                translatorOwned->TranslateFieldLabels(dm);
            messages.BuildMessageTable(translator());
            return true;
        }
        err << "db: " << dm.LastError() << "\n";
        return false;
    }

    // A key of the APPLICATION section of the home's settings, "HUN" when absent.
    static QString homeSetting(const QString &key)
    {
        return TIniFile::ReadString(QDir(cliHomeFolder()).filePath(QStringLiteral("parquetix.ini")),
                                    QStringLiteral("APPLICATION"), key, QStringLiteral("HUN"));
    }

    ITranslator &translator()
    {
        if (translatorOwned)
            return *translatorOwned;
        return identity;
    }

    QString label(const char *table, const char *column) const
    {
        return dm.DisplayLabel(QLatin1String(table), QLatin1String(column));
    }

    TdmMain dm;
    TMessageTable messages;

private:
    std::unique_ptr<TTranslator> translatorOwned;
    TIdentityTranslator identity;
};

// db add|edit|join|leave ...; args start with the subcommand.
int runDbEdit(const QStringList &args, QTextStream &out, QTextStream &err);
