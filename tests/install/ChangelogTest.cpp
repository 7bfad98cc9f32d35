// The packages' changelog is written from the commits: an entry per version
// of the project's version line, newest first, the newest one carrying the
// version being built.
#include "support/TestHome.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct TCommit
{
    const char *Version; // the version line it writes; null: leaves it
    const char *Subject;
};

struct THistory
{
    const char *Name;
    std::vector<TCommit> Commits;
    // "version: subject, subject | version: ..." newest first.
    const char *Entries;
};

void PrintTo(const THistory &history, std::ostream *os)
{
    *os << history.Name;
}

QByteArray run(const QString &folder, const QString &program, const QStringList &args)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << " "
                                     << args.join(QLatin1Char(' ')).toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// The changelog's entries in the table's shorthand.
QString shorthand(const QString &changelog)
{
    static const QRegularExpression heading(
        QStringLiteral(R"(^parquetix \(([^)]*)\) unstable; urgency=medium$)"));
    QStringList entries;
    QString current;
    QStringList subjects;
    for (const QString &line : changelog.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = heading.match(line);
        if (m.hasMatch())
            current = m.captured(1);
        else if (line.startsWith(QLatin1String("  * ")))
            subjects << line.mid(4);
        else if (line.startsWith(QLatin1String("    ")))
            subjects.last() += QLatin1Char(' ') + line.trimmed();
        else if (line.startsWith(QLatin1String(" -- "))) {
            entries << current + QStringLiteral(": ") + subjects.join(QStringLiteral(", "));
            subjects.clear();
        }
    }
    return entries.join(QStringLiteral(" | "));
}

class Changelog : public ::testing::TestWithParam<THistory>
{
};

TEST_P(Changelog, HasAnEntryPerVersionInTheCommitsWords)
{
    TestHome repository;
    const QString folder = repository.path();
    run(folder, QStringLiteral("git"), {QStringLiteral("init"), QStringLiteral("-q")});
    for (const TCommit &commit : GetParam().Commits) {
        if (commit.Version)
            repository.write(QStringLiteral("CMakeLists.txt"),
                             QByteArray("project(Parquetix VERSION ") + commit.Version + " LANGUAGES CXX)\n");
        repository.write(QStringLiteral("notes.txt"), commit.Subject);
        run(folder, QStringLiteral("git"), {QStringLiteral("add"), QStringLiteral("-A")});
        run(folder, QStringLiteral("git"),
            {QStringLiteral("-c"), QStringLiteral("user.name=T"), QStringLiteral("-c"),
             QStringLiteral("user.email=t@example.org"), QStringLiteral("commit"), QStringLiteral("-q"),
             QStringLiteral("-m"), QString::fromUtf8(commit.Subject)});
    }
    const QString output = repository.file(QStringLiteral("changelog.gz"));
    run(folder, QStringLiteral("sh"),
        {sourceFolder() + QStringLiteral("/packaging/changelog.sh"), folder, QStringLiteral("parquetix"),
         QStringLiteral("0.3.1"), QStringLiteral("M <m@example.org>"), output});
    const QString changelog =
        QString::fromUtf8(run(folder, QStringLiteral("gzip"), {QStringLiteral("-dc"), output}));

    EXPECT_EQ(shorthand(changelog).toStdString(), GetParam().Entries) << changelog.toStdString();
    for (const QString &line : changelog.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Histories, Changelog,
    ::testing::Values(
        THistory{"one_version",
                 {{"0.1.0", "First; with a semicolon"}, {nullptr, "Second"}},
                 "0.3.1: Second, First; with a semicolon"},
        THistory{"three_versions",
                 {{"0.1.0", "One"},
                  {nullptr, "Two"},
                  {"0.2.0", "Bump"},
                  {nullptr, "Three"},
                  {"0.3.0", "Bump again"},
                  {nullptr, "Four"}},
                 "0.3.1: Four, Bump again | 0.2.0: Three, Bump | 0.1.0: Two, One"},
        // A commit that rewrites the line with the same version starts nothing.
        THistory{"same_version_again",
                 {{"0.1.0", "One"}, {"0.2.0", "Bump"}, {"0.2.0", "Rewritten"}, {nullptr, "Two"}},
                 "0.3.1: Two, Rewritten, Bump | 0.1.0: One"},
        THistory{
            "long_subject",
            {{"0.1.0", "A subject long enough to be wrapped at the changelog's width of eighty characters, "
                       "and then some more words"}},
            "0.3.1: A subject long enough to be wrapped at the changelog's width of eighty characters, "
            "and then some more words"}),
    [](const auto &info) { return std::string(info.param.Name); });

} // namespace
