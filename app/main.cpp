// parquetix: the desktop program. Without arguments it starts into its main
// window; --game and --script open the court screen on one game directly.

#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/text/TMessageBoxPrompter.h"
#include "desktop/wizard/TDesktopPlayStep.h"
#include "model/script/TGameScript.h"
#include "savegame/TGameFolder.h"
#include "shell/session/TDesktopSession.h"
#include "shell/store/TGameLoader.h"

#include "TSplashPicture.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QSplashScreen>
#include <cstdio>

namespace {

// While a script builds the game its questions are answered by the script;
// once the screen is open they go to the operator.
class TStagePrompter : public IPrompter
{
public:
    explicit TStagePrompter(TMessageBoxPrompter &boxes) : m_boxes(boxes) {}
    void ShowError(const QString &text) override { current().ShowError(text); }
    void ShowInformation(const QString &text) override { current().ShowInformation(text); }
    bool Confirm(const QString &text) override { return current().Confirm(text); }
    bool ConfirmInformation(const QString &text) override { return current().ConfirmInformation(text); }

    TScriptPrompter Script;
    bool Scripted = false;

private:
    IPrompter &current() { return Scripted ? static_cast<IPrompter &>(Script) : m_boxes; }
    TMessageBoxPrompter &m_boxes;
};

int fail(const QString &message)
{
    std::fprintf(stderr, "parquetix: %s\n", qPrintable(message));
    QMessageBox::critical(nullptr, QStringLiteral("Parquetix"), message);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("parquetix"));
    QApplication::setApplicationVersion(QStringLiteral(PARQUETIX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Records a basketball game live on the court screen."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption gameOption(
        QStringLiteral("game"), QStringLiteral("Opens the saved game in DIR."), QStringLiteral("DIR"));
    const QCommandLineOption scriptOption(QStringLiteral("script"),
                                          QStringLiteral("Builds the game from a parquetix-cli play script."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption onlineOption(QStringLiteral("online"),
                                          QStringLiteral("With --game: the game is transmitted live."));
    const QCommandLineOption saveOption(
        QStringLiteral("save"), QStringLiteral("With --script: saves the game into DIR after every event."),
        QStringLiteral("DIR"));
    parser.addOption(gameOption);
    parser.addOption(scriptOption);
    parser.addOption(onlineOption);
    parser.addOption(saveOption);
    parser.process(qapp);
    if (!parser.isSet(gameOption) && !parser.isSet(scriptOption)) {
        // The splash stays while the main window starts (its one-second
        // pause included) and goes before the first message box.
        QSplashScreen splash(TSplashPicture::Paint(QStringLiteral(PARQUETIX_VERSION)));
        splash.show();
        QApplication::processEvents();
        TfrmParquetixMain window(TMainWindowOptions{.Splash = &splash});
        splash.close();
        for (const QString &problem : window.StartProblems())
            fail(problem);
        // The version check asks once the window shows; when the updater
        // starts, the window closes and the program ends.
        window.show();
        return qapp.exec();
    }
    if (parser.isSet(gameOption) && parser.isSet(scriptOption)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    TMessageBoxPrompter boxes;
    TStagePrompter prompter(boxes);
    TDesktopSession session;
    session.SetPrompter(&prompter);
    for (const QString &problem : session.Start())
        fail(problem);
    // Sending runs for the whole program, as under the main window; it
    // delivers only while the game is online.
    session.StartSender();
    TParquetixApplication &app = session.App();
    TGameStore &store = session.Store();
    QString error;

    // The court screen as the wizards run it; on every way out the sender
    // stops before the screen it writes on goes.
    TDesktopPlayStep play(session, boxes);
    struct TStopSenderFirst
    {
        TDesktopSession &Session;
        ~TStopSenderFirst()
        {
            Session.SetCourtScreen(nullptr);
            Session.StopSender();
        }
    } stopSenderFirst{session};
    auto createScreen = [&](TGame &game) { play.Prepare(game); };

    if (parser.isSet(gameOption)) {
        const QString folder = QDir(parser.value(gameOption)).absolutePath();
        const QString code = TGameFolder(folder).GameCode();
        if (code.isEmpty())
            return fail(QStringLiteral("%1 holds no saved game (no hazai_*.dat file).").arg(folder));
        const TLoadOptions options{.Online = parser.isSet(onlineOption)};
        if (!TGameLoader::Load(app, folder, code, options, &store, &error, createScreen))
            return fail(QStringLiteral("Cannot open the game in %1: %2").arg(folder, error));
    } else {
        QFile file(parser.value(scriptOption));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
        const QString script = QString::fromUtf8(file.readAll());
        if (!app.LoadReferenceLists(&error))
            fail(QStringLiteral("Reference lists: %1").arg(error));
        createScreen(app.Game());
        if (parser.isSet(saveOption))
            app.Game().GameFolder = QDir(parser.value(saveOption)).absolutePath();
        else
            app.Game().SetStore(nullptr); // a game to look at, not to keep
        prompter.Scripted = true;
        play.Quiet = true;
        TGameScript runner(app.Game(), play.Screen()->Screen());
        if (!runner.Run(script, file.fileName()))
            return fail(runner.Error());
        prompter.Scripted = false;
        play.Quiet = false;
    }

    play.Play(app.Game(), &error);
    return 0;
}
