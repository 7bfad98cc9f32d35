// parquetix-picgen: draws the picture library of the court screen.
//
//   parquetix-picgen OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/<LANGUAGE>/<NAME>.png for every language with captions
// of its own. It needs no display: without one it paints off screen.

#include "PictureLibrary.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: parquetix-picgen OUTPUT_FOLDER\n";
        return 2;
    }
    const QString error = PictureLibrary::write(args.at(1));
    if (!error.isEmpty()) {
        err << "parquetix-picgen: " << error << "\n";
        return 1;
    }
    return 0;
}
