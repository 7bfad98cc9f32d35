// parquetix-sampledb: writes the database of the bundled application home
// from the readable text files kept in the repository.

#include "masterdata/TBundledData.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes Datastore/parquetix.db (languages, translations, a sample league) and its empty "
        "pristine copy Datastore/Original/parquetix.db."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The Datastore folder to write."),
                                 QStringLiteral("folder"));
    const QCommandLineOption languages(QStringLiteral("languages"), QStringLiteral("The language list."),
                                       QStringLiteral("file"));
    const QCommandLineOption translations(QStringLiteral("translations"), QStringLiteral("The translations."),
                                          QStringLiteral("file"));
    const QCommandLineOption sample(
        QStringLiteral("sample"), QStringLiteral("The sample league (update text)."), QStringLiteral("file"));
    const QCommandLineOption today(
        QStringLiteral("today"),
        QStringLiteral("The first day of the schedule, yyyy-mm-dd (default: today)."),
        QStringLiteral("date"));
    const QCommandLineOption halls(QStringLiteral("halls"), QStringLiteral("The halls of the sample teams."),
                                   QStringLiteral("file"));
    parser.addOptions({out, languages, translations, sample, halls, today});
    parser.process(app);

    QTextStream err(stderr);
    for (const QCommandLineOption &o : {out, languages, translations, sample}) {
        if (!parser.isSet(o)) {
            err << "parquetix-sampledb: --" << o.names().first() << " is required\n";
            return 2;
        }
    }
    QDate first = QDate::currentDate();
    if (parser.isSet(today)) {
        first = QDate::fromString(parser.value(today), Qt::ISODate);
        if (!first.isValid()) {
            err << "parquetix-sampledb: --today wants yyyy-mm-dd, not " << parser.value(today) << "\n";
            return 2;
        }
    }

    TBundledData::TCounts counts;
    QString error;
    if (!TBundledData::Write(
            parser.value(out),
            {parser.value(languages), parser.value(translations), parser.value(sample), parser.value(halls)},
            first, &counts, &error)) {
        err << "parquetix-sampledb: " << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "parquetix-sampledb: " << counts.languages << " languages, " << counts.translations
                        << " translations, " << counts.leagues << " sample league(s), schedule from "
                        << first.toString(Qt::ISODate) << "\n";
    return 0;
}
