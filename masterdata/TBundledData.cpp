#include "TBundledData.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TOnlineUpdate.h"
#include "masterdata/TdmMain.h"
#include "model/services/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    *lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString &line : *lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return true;
}

bool skipped(const QString &line)
{
    return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'));
}

// Over the old file in one step; a stale journal would be replayed onto the new one.
bool replace(const QString &from, const QString &to, QString *error)
{
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(to + QLatin1String(suffix));
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        *error = QStringLiteral("Cannot move %1 to %2").arg(from, to);
        return false;
    }
    return true;
}

} // namespace

QString TBundledData::BuiltInLanguages()
{
    return QStringLiteral(":/parquetix/languages.tsv");
}

QString TBundledData::BuiltInTranslations()
{
    return QStringLiteral(":/parquetix/translations.tsv");
}

QString TBundledData::HungarianWeekday(const QDate &date)
{
    static const char *const names[] = {"hétfő",  "kedd",    "szerda",  "csütörtök",
                                        "péntek", "szombat", "vasárnap"};
    return QString::fromUtf8(names[date.dayOfWeek() - 1]);
}

QString TBundledData::ExpandDates(const QString &text, const QDate &today)
{
    static const QRegularExpression token(QStringLiteral("\\{(date|weekday)\\+(\\d{1,4})\\}"));
    QString result;
    qsizetype last = 0;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QDate date = today.addDays(m.captured(2).toInt());
        result += text.mid(last, m.capturedStart() - last);
        result += m.captured(1) == QLatin1String("date") ? date.toString(QStringLiteral("dd.MM.yyyy"))
                                                         : HungarianWeekday(date);
        last = m.capturedEnd();
    }
    result += text.mid(last);
    return result;
}

bool TBundledData::LoadLanguages(TdmMain &dm, const QString &path, int *count, QString *error)
{
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    int n = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (skipped(lines.at(i)))
            continue;
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        if (cells.size() != 2 || cells.at(0).trimmed().isEmpty()) {
            *error = QStringLiteral("%1:%2: expected a code, a tab and a name").arg(path).arg(i + 1);
            return false;
        }
        if (!dm.UpsertLanguage(cells.at(0).trimmed(), cells.at(1).trimmed())) {
            *error = dm.LastError();
            return false;
        }
        ++n;
    }
    if (count)
        *count = n;
    return true;
}

bool TBundledData::LoadTranslations(TdmMain &dm, const QString &path, int *count, QString *error)
{
    return loadTranslations(dm, path, false, count, error);
}

bool TBundledData::AddMissingTexts(TdmMain &dm, QString *error)
{
    error->clear();
    if (!dm.BeginTransaction()) {
        *error = dm.LastError();
        return false;
    }
    // A language the user has is kept as it is; one missing is added.
    QStringList lines;
    bool ok = readLines(BuiltInLanguages(), &lines, error);
    const QList<TLanguageRow> present = ok ? dm.LoadLanguages() : QList<TLanguageRow>{};
    for (int i = 0; ok && i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        if (skipped(lines.at(i)) || cells.size() != 2)
            continue;
        const bool known = std::any_of(present.begin(), present.end(), [&](const TLanguageRow &r) {
            return r.Language == cells.at(0).trimmed();
        });
        if (!known && !dm.UpsertLanguage(cells.at(0).trimmed(), cells.at(1).trimmed()))
            ok = false;
    }
    ok = ok && loadTranslations(dm, BuiltInTranslations(), true, nullptr, error);
    if (ok && !dm.Commit())
        ok = false;
    if (!ok) {
        if (error->isEmpty())
            *error = dm.LastError();
        dm.Rollback();
    }
    return ok;
}

bool TBundledData::GiveTextsToBareDatabase(TdmMain &dm, QString *error)
{
    error->clear();
    QList<QVariantMap> rows;
    if (!dm.Query(QStringLiteral("select count(*) as N from \"translate\" where TranslatedString <> ''"), {},
                  &rows) ||
        rows.isEmpty()) {
        *error = dm.LastError();
        return false;
    }
    return rows.first().value(QStringLiteral("N")).toInt() > 0 || AddMissingTexts(dm, error);
}

bool TBundledData::loadTranslations(TdmMain &dm, const QString &path, bool onlyMissing, int *count,
                                    QString *error)
{
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    QStringList languages;
    int n = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (skipped(lines.at(i)))
            continue;
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        if (languages.isEmpty()) {
            if (cells.size() < 3 || cells.at(0) != QLatin1String("StringType") ||
                cells.at(1) != QLatin1String("NonTranslatedString")) {
                *error = QStringLiteral("%1:%2: expected the header line "
                                        "\"StringType<TAB>NonTranslatedString<TAB>LANGUAGE...\"")
                             .arg(path)
                             .arg(i + 1);
                return false;
            }
            languages = cells.mid(2);
            continue;
        }
        if (cells.size() < 2 || cells.size() > languages.size() + 2 || cells.at(0).isEmpty() ||
            cells.at(1).isEmpty()) {
            *error = QStringLiteral("%1:%2: expected a string type, a text and at most %3 translations")
                         .arg(path)
                         .arg(i + 1)
                         .arg(languages.size());
            return false;
        }
        for (int l = 0; l < languages.size(); ++l) {
            const QString translated = l + 2 < cells.size() ? cells.at(l + 2) : QString();
            if (onlyMissing) {
                // Only a translation the database lacks, or has empty, is written.
                QString present;
                bool found = false;
                if (translated.isEmpty())
                    continue;
                if (!dm.FindTranslation(cells.at(0), languages.at(l), cells.at(1), &present, &found)) {
                    *error = QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(dm.LastError());
                    return false;
                }
                if (found && !present.isEmpty())
                    continue;
            }
            if (!dm.UpsertTranslation(cells.at(0), languages.at(l), cells.at(1), translated)) {
                *error = QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(dm.LastError());
                return false;
            }
            ++n;
        }
    }
    if (languages.isEmpty()) {
        *error = QStringLiteral("%1: no header line").arg(path);
        return false;
    }
    if (count)
        *count = n;
    return true;
}

bool TBundledData::LoadHalls(TdmMain &dm, const QString &path, QString *error)
{
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    for (int i = 0; i < lines.size(); ++i) {
        if (skipped(lines.at(i)))
            continue;
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        std::optional<TTeamRow> team;
        if (cells.size() == 2)
            team = dm.TeamById(dm.TeamIdByWebId(cells.at(0).trimmed()));
        if (!team) {
            *error = QStringLiteral("%1:%2: wants a team's web identifier and its hall").arg(path).arg(i + 1);
            return false;
        }
        team->EgyesuletCsarnok = cells.at(1).trimmed();
        if (dm.UpsertTeam(*team) <= 0) {
            *error = dm.LastError();
            return false;
        }
    }
    return true;
}

bool TBundledData::Write(const QString &datastoreFolder, const TSources &sources, const QDate &today,
                         TCounts *counts, QString *error)
{
    error->clear();
    if (!QDir().mkpath(datastoreFolder)) {
        *error = QStringLiteral("Cannot create %1").arg(datastoreFolder);
        return false;
    }
    // Built in a folder beside the target, so the final moves stay on one file system.
    QTemporaryDir work(QDir(datastoreFolder).filePath(QStringLiteral(".build-XXXXXX")));
    if (!work.isValid()) {
        *error = QStringLiteral("Cannot create a work folder in %1").arg(datastoreFolder);
        return false;
    }
    const QString database = QDir(work.path()).filePath(TdmMain::DatabaseFileName());
    TCounts n;
    {
        TdmMain dm(database);
        if (!dm.OpenAll()) {
            *error = dm.LastError();
            return false;
        }
        if (!dm.BeginTransaction() || !LoadLanguages(dm, sources.languages, &n.languages, error) ||
            !LoadTranslations(dm, sources.translations, &n.translations, error)) {
            if (error->isEmpty())
                *error = dm.LastError();
            return false;
        }
        if (!dm.Commit()) {
            *error = dm.LastError();
            return false;
        }

        QStringList lines;
        if (!readLines(sources.sampleLeague, &lines, error))
            return false;
        // The sample is merged the way a server's update is, with its texts left untranslated.
        TIdentityTranslator identity;
        TMessageTable messages;
        messages.BuildMessageTable(identity);
        TOnlineUpdate update(dm, identity, messages);
        const TOnlineUpdate::TResult result =
            update.ImportUpdateText(ExpandDates(lines.join(QString()), today));
        if (!result.ok() || !result.skipped.isEmpty() || result.leagues == 0) {
            *error = QStringLiteral("%1: %2").arg(
                sources.sampleLeague, result.ok() ? result.skipped.join(QLatin1Char(' ')) +
                                                        QStringLiteral(" (no complete league block?)")
                                                  : result.error);
            return false;
        }
        n.leagues = result.leagues;
        if (!sources.halls.isEmpty() && !LoadHalls(dm, sources.halls, error))
            return false;
        dm.CloseAll();
    }

    const QString target = QDir(datastoreFolder).filePath(QFileInfo(database).fileName());
    const QString original = TdmMain::OriginalFile(target);
    if (!QDir().mkpath(QFileInfo(original).absolutePath())) {
        *error = QStringLiteral("Cannot create the folder of %1").arg(original);
        return false;
    }
    if (!replace(TdmMain::OriginalFile(database), original, error) || !replace(database, target, error))
        return false;
    if (counts)
        *counts = n;
    return true;
}
