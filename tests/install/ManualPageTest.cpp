// The installed manual pages and the programs' own --help must say the same:
// every option and command of one is in the other, in the same words.
#include "support/CliRunner.h"
#include "support/TestHome.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The text a man page line shows, without its font changes and escapes.
QString plainText(QString line)
{
    static const QRegularExpression fonts(QStringLiteral(R"(\\f[BIRP])"));
    line.remove(fonts);
    line.replace(QLatin1String("\\-"), QLatin1String("-"));
    line.replace(QLatin1String("\\&"), QString());
    line.replace(QLatin1String("\\e"), QLatin1String("\\"));
    line.replace(QLatin1String("\\(dq"), QLatin1String("\""));
    return line;
}

// A macro line's arguments: words, or "quoted words".
QStringList macroArguments(const QString &rest)
{
    QStringList out;
    static const QRegularExpression word(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
    for (const QRegularExpressionMatch &m : word.globalMatch(rest))
        out << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
    return out;
}

// The text of a line of the page: font macros joined as man shows them.
QString lineText(const QString &line)
{
    if (!line.startsWith(QLatin1Char('.')))
        return plainText(line);
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    const QString macro = line.mid(1, space < 0 ? -1 : space - 1);
    const QStringList args = space < 0 ? QStringList() : macroArguments(line.mid(space + 1));
    if (macro == QLatin1String("B") || macro == QLatin1String("I"))
        return plainText(args.join(QLatin1Char(' ')));
    static const QStringList alternating = {QStringLiteral("BI"), QStringLiteral("BR"), QStringLiteral("IB"),
                                            QStringLiteral("IR"), QStringLiteral("RB"), QStringLiteral("RI")};
    if (alternating.contains(macro))
        return plainText(args.join(QString()));
    return {};
}

QString simplified(const QString &text)
{
    return text.simplified();
}

struct TPageEntry
{
    QStringList Tags;
    QString Body;
};

// The tagged paragraphs (.TP, with .TQ for more tags) of each section.
QMap<QString, QList<TPageEntry>> pageEntries(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QMap<QString, QList<TPageEntry>> sections;
    QString section;
    TPageEntry *entry = nullptr;
    bool tagNext = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".\\\"")))
            continue;
        if (line.startsWith(QLatin1String(".SH "))) {
            section = macroArguments(line.mid(4)).join(QLatin1Char(' '));
            entry = nullptr;
        } else if (line == QLatin1String(".TP")) {
            sections[section].append(TPageEntry{});
            entry = &sections[section].last();
            tagNext = true;
        } else if (line == QLatin1String(".TQ") && entry) {
            tagNext = true;
        } else if (tagNext && entry) {
            entry->Tags << simplified(lineText(line));
            tagNext = false;
        } else if (QRegularExpression(QStringLiteral(R"(^\.(SS|PP|P|LP|IP|RS|RE|nf|fi)\b)"))
                       .match(line)
                       .hasMatch()) {
            entry = nullptr;
        } else if (entry) {
            entry->Body = simplified(entry->Body + QLatin1Char(' ') + lineText(line));
        }
    }
    return sections;
}

QString manualPage(const QString &program)
{
    return sourceFolder() + QStringLiteral("/packaging/man/") + program + QStringLiteral(".1.in");
}

QString helpText(const QString &program, const QStringList &args)
{
    TestHome home;
    const CliResult r = runProgram(program, args, home.path());
    return QString::fromUtf8(r.Out + r.Err);
}

// Option lines of a --help: "  -h, --help  text", "  --port N  text".
QMap<QString, QString> helpOptions(const QString &help)
{
    static const QRegularExpression option(
        QStringLiteral(R"(^  ((?:-\w, )?--[\w-]+(?: <\w+>| [A-Z]+)?)\s+(\S.*)$)"),
        QRegularExpression::MultilineOption);
    QMap<QString, QString> out;
    for (const QRegularExpressionMatch &m : option.globalMatch(help)) {
        QString key = m.captured(1);
        key.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
        out.insert(key, simplified(m.captured(2)));
    }
    return out;
}

// Whether the page's entry starts with the help's words; a capital letter or
// a full stop of its own is no difference.
bool saysTheSame(const QString &page, QString help)
{
    if (help.endsWith(QLatin1Char('.')))
        help.chop(1);
    return page.startsWith(help, Qt::CaseSensitive) ||
           (page.left(1).compare(help.left(1), Qt::CaseInsensitive) == 0 &&
            page.mid(1).startsWith(help.mid(1)));
}

// A trailing note in parentheses, nested ones included.
QString withoutNotes(QString text)
{
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(')'))) {
        int depth = 0;
        qsizetype at = text.size() - 1;
        for (; at >= 0; --at) {
            depth += text.at(at) == QLatin1Char(')') ? 1 : text.at(at) == QLatin1Char('(') ? -1 : 0;
            if (depth == 0)
                break;
        }
        if (at < 0)
            break;
        text = text.left(at).trimmed();
    }
    return text;
}

// Each "parquetix-cli ..." usage of a help text, without its notes.
QSet<QString> usageLines(const QString &help)
{
    QSet<QString> out;
    const QStringList pieces =
        QString(help).remove(QStringLiteral("usage:")).split(QStringLiteral("parquetix-cli "));
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString usage = withoutNotes(simplified(pieces.at(i)));
        if (!usage.startsWith(QLatin1String("COMMAND")))
            out.insert(usage);
    }
    return out;
}

QSet<QString> optionNames(const QString &text)
{
    static const QRegularExpression option(QStringLiteral(R"((?<![\w-])--[a-z][\w-]*)"));
    QSet<QString> out;
    for (const QRegularExpressionMatch &m : option.globalMatch(text))
        out.insert(m.captured(0));
    return out;
}

QStringList sorted(const QSet<QString> &set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

struct TOptionPage
{
    const char *Program;
    const char *HelpOption;
};

void PrintTo(const TOptionPage &page, std::ostream *os)
{
    *os << page.Program;
}

class OptionPage : public ::testing::TestWithParam<TOptionPage>
{
};

TEST_P(OptionPage, ListsEveryOptionOfHelpInItsWords)
{
    const QString program = QLatin1String(GetParam().Program);
    const QMap<QString, QString> help =
        helpOptions(helpText(program, {QLatin1String(GetParam().HelpOption)}));
    ASSERT_FALSE(help.isEmpty()) << "no options in the help of " << program.toStdString();

    QMap<QString, QString> page;
    for (const TPageEntry &e : pageEntries(manualPage(program)).value(QStringLiteral("OPTIONS")))
        for (const QString &tag : e.Tags)
            page.insert(tag, e.Body);

    EXPECT_EQ(sorted(QSet<QString>(help.keyBegin(), help.keyEnd())).join(QLatin1Char('\n')).toStdString(),
              sorted(QSet<QString>(page.keyBegin(), page.keyEnd())).join(QLatin1Char('\n')).toStdString());
    for (auto it = help.cbegin(); it != help.cend(); ++it) {
        if (page.contains(it.key())) {
            EXPECT_TRUE(saysTheSame(page.value(it.key()), it.value()))
                << it.key().toStdString() << ": the help says \"" << it.value().toStdString()
                << "\", the page \"" << page.value(it.key()).toStdString() << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, OptionPage,
    ::testing::Values(TOptionPage{"parquetix", "--help"}, TOptionPage{"parquetix-server", "--help"}),
    [](const auto &info) {
        return QString::fromLatin1(info.param.Program).remove(QLatin1Char('-')).toStdString();
    });

// The command line's help comes in three parts: the commands, the db
// commands and db's editing commands.
QString commandLineHelp()
{
    return helpText(QStringLiteral("parquetix-cli"), {QStringLiteral("--help")}) +
           helpText(QStringLiteral("parquetix-cli"), {QStringLiteral("db")}) +
           helpText(QStringLiteral("parquetix-cli"), {QStringLiteral("db"), QStringLiteral("add")});
}

TEST(CommandLinePage, ListsEveryCommandAsItsUsageLine)
{
    const QSet<QString> help = usageLines(commandLineHelp());
    ASSERT_GT(help.size(), 20);
    QSet<QString> page;
    for (const TPageEntry &e :
         pageEntries(manualPage(QStringLiteral("parquetix-cli"))).value(QStringLiteral("COMMANDS")))
        for (const QString &tag : e.Tags)
            page.insert(tag);
    EXPECT_EQ(sorted(help - page).join(QLatin1Char('\n')).toStdString(), "") << "missing from the page";
    EXPECT_EQ(sorted(page - help).join(QLatin1Char('\n')).toStdString(), "") << "not in --help";
}

TEST(CommandLinePage, NamesTheOptionsTheHelpNames)
{
    const auto sections = pageEntries(manualPage(QStringLiteral("parquetix-cli")));
    QString page;
    for (const QString &section : {QStringLiteral("OPTIONS"), QStringLiteral("COMMANDS")})
        for (const TPageEntry &e : sections.value(section))
            page += e.Tags.join(QLatin1Char(' ')) + QLatin1Char(' ') + e.Body + QLatin1Char(' ');
    const QSet<QString> help = optionNames(commandLineHelp());
    const QSet<QString> described = optionNames(page);
    EXPECT_EQ(sorted(help - described).join(QLatin1Char(' ')).toStdString(), "") << "missing from the page";
    EXPECT_EQ(sorted(described - help).join(QLatin1Char(' ')).toStdString(), "") << "not in --help";
}

// The comparison itself: a reworded entry or a note left behind must show.
TEST(ManualPageText, ReadsFontsNotesAndCapitals)
{
    struct
    {
        QString Line;
        QString Text;
    } lines[] = {
        {QStringLiteral(R"(.BI \-\-data " DIR")"), QStringLiteral("--data DIR")},
        {QStringLiteral(R"(.BR \-h ", " \-\-help)"), QStringLiteral("-h, --help")},
        {QStringLiteral(R"(\fBzip\fR \fIDIR\fR [\-\-code CODE])"), QStringLiteral("zip DIR [--code CODE]")},
        {QStringLiteral(".SH OPTIONS"), QString()},
    };
    for (const auto &l : lines)
        EXPECT_EQ(lineText(l.Line).toStdString(), l.Text.toStdString()) << l.Line.toStdString();

    EXPECT_TRUE(saysTheSame(QStringLiteral("Folder for the data (required). More."),
                            QStringLiteral("folder for the data (required)")));
    EXPECT_FALSE(saysTheSame(QStringLiteral("Folder of the data."), QStringLiteral("folder for the data")));
    EXPECT_EQ(withoutNotes(QStringLiteral("report NAME DIR (NAME: a, quarters (periods), b)")).toStdString(),
              "report NAME DIR");
    EXPECT_EQ(sorted(usageLines(
                         QStringLiteral("usage: parquetix-cli COMMAND ...\n"
                                        "  parquetix-cli db join team L T   parquetix-cli db leave team L T\n"
                                        "  parquetix-cli db delete ID   (refused)\n   (each takes --lang)")))
                  .join(QLatin1Char('|'))
                  .toStdString(),
              "db delete ID|db join team L T|db leave team L T");
}

} // namespace
