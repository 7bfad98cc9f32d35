// parquetix: the desktop program. Until the main window and the wizards
// exist, it opens the court screen on a game given on the command line.

#include "model/TGameScript.h"
#include "model/TParquetixApplication.h"
#include "screen/TCourtScreen.h"
#include "screen/TMessageBoxPrompter.h"
#include "screen/TfrmParquetixScreenNew.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
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
    parser.addOption(gameOption);
    parser.addOption(scriptOption);
    parser.process(qapp);

    if (parser.isSet(gameOption)) {
        return fail(QStringLiteral("Opening a saved game (%1) is not available in this build yet; "
                                   "use --script FILE to open the court screen on a scripted game.")
                        .arg(parser.value(gameOption)));
    }
    if (!parser.isSet(scriptOption)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    QFile file(parser.value(scriptOption));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString()));
    const QString script = QString::fromUtf8(file.readAll());

    TMessageBoxPrompter boxes;
    TStagePrompter prompter(boxes);
    TParquetixApplication app;
    app.SetPrompter(&prompter);
    QString error;
    if (!app.Initialize(&error))
        fail(QStringLiteral("Settings: %1").arg(error));
    if (!app.LoadReferenceLists(&error))
        fail(QStringLiteral("Reference lists: %1").arg(error));
    TGame &game = app.Game();

    TfrmParquetixScreenNew screen(game, app.LibraryFolder());
    boxes.SetParent(&screen);
    prompter.Scripted = true;
    TGameScript runner(game, screen.Screen());
    if (!runner.Run(script, file.fileName()))
        return fail(runner.Error());
    prompter.Scripted = false;

    screen.Open();
    // Without a window manager a maximized window keeps its size: fill the screen.
    if (const QScreen *display = QGuiApplication::primaryScreen())
        screen.setGeometry(display->availableGeometry());
    screen.showMaximized();
    screen.exec();
    return 0;
}
