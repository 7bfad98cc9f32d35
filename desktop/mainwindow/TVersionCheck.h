#pragma once

#include "transmission/THttpReply.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class IConnectionProbe;
class IPrompter;
class ITranslator;

#ifdef Q_OS_WIN
inline constexpr bool PlatformHasUpdater = true;
#else
inline constexpr bool PlatformHasUpdater = false;
#endif

// What the version check at start-up needs from the settings and the build.
struct TVersionCheckSettings
{
    bool Enabled = true;      // CHECK_NEW_VERSION
    QString UpdateServerName; // UPDATE_SERVER_NAME, "setup.xml" is appended
    QString RunningVersion;   // four dot-separated numbers
    QString Updater;          // the updater program, resolved (see UpdaterPath)
    // True where an updater program replaces this one (Windows); elsewhere
    // the program is installed as a package, and the check names it instead.
    bool UpdaterProgram = PlatformHasUpdater;
};

// The check for a newer program version at start-up: asks the update server
// for its version file, and when the server's version is newer asks the
// operator whether to update and starts the updater, or, where the program
// comes as a package, names the new version and how to install it. It never
// stops the start-up: an unreachable server or a file without a version end
// it quietly, and only a missing updater is reported.
class TVersionCheck
{
public:
    enum class TOutcome
    {
        Disabled,       // CHECK_NEW_VERSION is off: no request
        NotConnected,   // no network: no request
        NoAnswer,       // no reply or an empty body
        NoVersion,      // the body holds no version
        UpToDate,       // the running version is not older
        Declined,       // the operator answered No
        UpdaterStarted, // the program is to end now
        UpdaterMissing, // reported to the operator; the program goes on
        UpdaterFailed,  // it exists but would not start; reported likewise
        PackageNamed,   // the new version and its package were shown
        Newer,          // Fetch only: the server's version is newer, Answer is next
        Running         // the main window's check has not ended yet
    };

    // What the server answered: an outcome that ends the check, or Newer
    // with the server's version.
    struct TFound
    {
        TOutcome Outcome = TOutcome::NoAnswer;
        QString ServerVersion;
    };

    // GET of a page; the default one uses THttpClient with FetchTimeoutMs.
    using TFetch = std::function<THttpReply(const QByteArray &url)>;
    // Starts a program detached; false with error when it cannot.
    using TLaunch = std::function<bool(const QString &program, QString *error)>;

    // The whole check waits at most about this long for the server each of
    // connecting and reading, so a dead server delays the start-up only so much.
    static constexpr int FetchTimeoutMs = 3000;

    static const char *const Question;
    static const char *const UpdaterMissingText;
    static const char *const UpdaterFailedText;
    static const char *const ThisVersionText;
    static const char *const NewVersionText;
    static const char *const NewVersionAvailable;
    static const char *const InstallPackageText;
    static const char *const DownloadFromText;
    // The settings key (APPLICATION section) naming the updater, and its default.
    static const char *const UpdaterKey;
    static const char *const DefaultUpdater;

    TVersionCheck(IPrompter &prompter, ITranslator &translator, TFetch fetch = {}, TLaunch launch = {});

    // probe is asked only when the check is enabled.
    TOutcome Run(const TVersionCheckSettings &settings, IConnectionProbe &probe);
    // The network half of Run, which asks the operator nothing: it may run
    // on a worker thread while the window stays usable.
    TFound Fetch(const TVersionCheckSettings &settings, IConnectionProbe &probe);
    // The operator's half of Run, for a newer server version.
    TOutcome Answer(const TVersionCheckSettings &settings, const QString &serverVersion);
    // The question, or the note where no updater runs: both versions named.
    QString AnswerText(const TVersionCheckSettings &settings, const QString &serverVersion) const;
    // The Debian package of a version, as the build's package is named.
    static QString PackageFile(const QString &version);

    // The text of the root element's child "Version"; empty when the body is
    // no XML or has no such child.
    static QString ServerVersion(const QByteArray &body);
    // The build's version as major.minor.release.build, missing parts as 0.
    static QString RunningVersion(const QString &buildVersion);
    // The comparison the check makes: the two texts character by character.
    static bool IsNewer(const QString &serverVersion, const QString &runningVersion);
    // A relative updater name is looked for in each folder in turn; the first
    // folder's path when it is in none, so the report names where it belongs.
    static QString UpdaterPath(const QString &setting, const QStringList &folders);

    // The address last asked, for tests and the log.
    const QByteArray &RequestedUrl() const { return m_requested; }

private:
    QString translated(const char *text) const;

    IPrompter &m_prompter;
    ITranslator &m_translator;
    TFetch m_fetch;
    TLaunch m_launch;
    QByteArray m_requested;
};
