// parquetix-server: the reference statistics server.
#include "TServerOptions.h"
#include "TStatsServer.h"

#include <QStringList>

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    TServerOptions options;
    QString error;
    if (!TServerOptions::parse(arguments, &options, &error)) {
        const bool help =
            arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
        fprintf(help ? stdout : stderr, "%s\n", qPrintable(error));
        if (!help)
            fprintf(stderr, "%s", qPrintable(TServerOptions::usage()));
        return help ? 0 : 2;
    }

    // The stop signals are taken by sigwait below; every thread started from here
    // on inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    TStatsServer server(options);
    if (!server.start(&error)) {
        fprintf(stderr, "parquetix-server: %s\n", qPrintable(error));
        return 1;
    }
    printf("listening on %d\n", server.port());
    fflush(stdout);
    for (const QString &note : server.startNotes())
        fprintf(stderr, "parquetix-server: %s\n", qPrintable(note));

    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    return 0;
}
