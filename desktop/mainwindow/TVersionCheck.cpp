#include "TVersionCheck.h"

#include "model/services/Services.h"
#include "transmission/IConnectionProbe.h"
#include "transmission/THttpClient.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QXmlStreamReader>

const char *const TVersionCheck::Question =
    "New program version available, do you want to update the application?";
const char *const TVersionCheck::UpdaterMissingText = "The updater program was not found:";
const char *const TVersionCheck::UpdaterFailedText = "The updater program could not be started:";
const char *const TVersionCheck::ThisVersionText = "This version:";
const char *const TVersionCheck::NewVersionText = "New version:";
const char *const TVersionCheck::NewVersionAvailable = "A new program version is available.";
const char *const TVersionCheck::InstallPackageText =
    "Install the package of the new version (a .deb file) with the package manager:";
const char *const TVersionCheck::DownloadFromText = "The package can be downloaded from:";
const char *const TVersionCheck::UpdaterKey = "UPDATER";
const char *const TVersionCheck::DefaultUpdater = "PQUpdate.exe";

namespace {

THttpReply fetchOverHttp(const QByteArray &url)
{
    const THttpClient client(TVersionCheck::FetchTimeoutMs, TVersionCheck::FetchTimeoutMs);
    return client.getPage(url);
}

bool launchDetached(const QString &program, QString *error)
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

} // namespace

TVersionCheck::TVersionCheck(IPrompter &prompter, ITranslator &translator, TFetch fetch, TLaunch launch)
    : m_prompter(prompter), m_translator(translator), m_fetch(fetch ? std::move(fetch) : fetchOverHttp),
      m_launch(launch ? std::move(launch) : launchDetached)
{
}

TVersionCheck::TOutcome TVersionCheck::Run(const TVersionCheckSettings &settings, IConnectionProbe &probe)
{
    const TFound found = Fetch(settings, probe);
    if (found.Outcome != TOutcome::Newer)
        return found.Outcome;
    return Answer(settings, found.ServerVersion);
}

TVersionCheck::TFound TVersionCheck::Fetch(const TVersionCheckSettings &settings, IConnectionProbe &probe)
{
    if (!settings.Enabled)
        return {TOutcome::Disabled, {}};
    bool connected = false;
    try {
        connected = probe.IsConnected();
    } catch (...) {
        // The check never reports its own errors.
    }
    if (!connected)
        return {TOutcome::NotConnected, {}};

    m_requested = settings.UpdateServerName.toUtf8() + "setup.xml";
    const THttpReply reply = m_fetch(m_requested);
    if (!reply.received || reply.body.isEmpty())
        return {TOutcome::NoAnswer, {}};
    const QString serverVersion = ServerVersion(reply.body);
    if (serverVersion.isEmpty())
        return {TOutcome::NoVersion, {}};
    if (!IsNewer(serverVersion, settings.RunningVersion))
        return {TOutcome::UpToDate, serverVersion};
    return {TOutcome::Newer, serverVersion};
}

QString TVersionCheck::PackageFile(const QString &version)
{
    // Debian names the architectures its own way.
    QString arch = QSysInfo::currentCpuArchitecture();
    if (arch == QLatin1String("x86_64"))
        arch = QStringLiteral("amd64");
    return QStringLiteral("parquetix_%1_%2.deb").arg(version, arch);
}

QString TVersionCheck::AnswerText(const TVersionCheckSettings &settings, const QString &serverVersion) const
{
    const QString versions = translated(ThisVersionText) + QLatin1Char(' ') + settings.RunningVersion +
                             QLatin1Char('\n') + translated(NewVersionText) + QLatin1Char(' ') +
                             serverVersion;
    if (settings.UpdaterProgram)
        return translated(Question) + QStringLiteral("\n\n") + versions;
    return translated(NewVersionAvailable) + QStringLiteral("\n\n") + versions + QStringLiteral("\n\n") +
           translated(InstallPackageText) + QStringLiteral("\n    sudo apt install ./") +
           PackageFile(serverVersion) + QStringLiteral("\n\n") + translated(DownloadFromText) +
           QLatin1Char(' ') + settings.UpdateServerName;
}

TVersionCheck::TOutcome TVersionCheck::Answer(const TVersionCheckSettings &settings,
                                              const QString &serverVersion)
{
    if (!settings.UpdaterProgram) {
        // Nothing here could replace an installed package: the operator is told how.
        m_prompter.ShowInformation(AnswerText(settings, serverVersion));
        return TOutcome::PackageNamed;
    }
    if (!m_prompter.Confirm(AnswerText(settings, serverVersion)))
        return TOutcome::Declined;

    const QFileInfo updater(settings.Updater);
    if (!updater.isFile()) {
        m_prompter.ShowError(translated(UpdaterMissingText) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(settings.Updater));
        return TOutcome::UpdaterMissing;
    }
    QString error;
    if (!m_launch(updater.absoluteFilePath(), &error)) {
        m_prompter.ShowError(translated(UpdaterFailedText) + QLatin1Char('\n') +
                             QDir::toNativeSeparators(settings.Updater) + QLatin1Char('\n') + error);
        return TOutcome::UpdaterFailed;
    }
    return TOutcome::UpdaterStarted;
}

QString TVersionCheck::ServerVersion(const QByteArray &body)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement())
        return {};
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Version")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            return xml.hasError() ? QString() : text;
        }
        xml.skipCurrentElement();
    }
    return {};
}

QString TVersionCheck::RunningVersion(const QString &buildVersion)
{
    QStringList parts = buildVersion.split(QLatin1Char('.'));
    QStringList numbers;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint n = i < parts.size() ? parts.at(i).toUInt(&ok) : 0;
        numbers << QString::number(ok ? n : 0);
    }
    return numbers.join(QLatin1Char('.'));
}

bool TVersionCheck::IsNewer(const QString &serverVersion, const QString &runningVersion)
{
    return QString::compare(runningVersion, serverVersion, Qt::CaseSensitive) < 0;
}

QString TVersionCheck::UpdaterPath(const QString &setting, const QStringList &folders)
{
    const QString name =
        setting.trimmed().isEmpty() ? QString::fromLatin1(DefaultUpdater) : setting.trimmed();
    if (QDir::isAbsolutePath(name) || folders.isEmpty())
        return QDir::cleanPath(name);
    for (const QString &folder : folders) {
        const QString candidate = QDir::cleanPath(QDir(folder).filePath(name));
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QDir::cleanPath(QDir(folders.first()).filePath(name));
}

QString TVersionCheck::translated(const char *text) const
{
    return m_translator.Translate(QString::fromUtf8(text), QStringLiteral("FORM"));
}
