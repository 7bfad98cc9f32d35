#pragma once

#include <QString>
#include <QStringList>

// How parquetix-server runs, from its command line.
struct TServerOptions
{
    QString host = QStringLiteral("127.0.0.1");
    int port = 8080;      // 0 picks a free port
    QString dataDir;      // database and uploads; required
    QString database;     // "postgresql://..." for a shared database; empty: SQLite in dataDir
    bool durable = true;  // "ok" only once the message is on disk
    QString keysFile;     // write keys; empty: every client may write
    QString updateFile;   // master-data update text, served as is
    QString setupXml;     // version file
    QString setupVersion; // when set, the version file is made from it instead
    QString logFile;      // empty: standard error
    bool logRequests = true;
    bool control = false; // the /control endpoint for tests
    // The edition whose valuation the live pages show: "HUN", "ENG", "HEB", "ITA" or "FRA".
    QString edition = QStringLiteral("HUN");

    // Faults for testing the client's failure handling.
    bool refuse = false;
    bool noOk = false;
    int slowMs = 0;
    int dropEvery = 0;

    // From the first byte of a request to the end of its header; a request
    // that takes longer is answered 408 and its connection closed.
    int headerTimeoutMs = 10000;

    qint64 maxUploadBytes = 32 * 1024 * 1024;
    qint64 maxBatchBytes = 1024 * 1024;
    // The update text and the version file are read on every request; a
    // larger one, or one that is not a regular file, is not served.
    qint64 maxServedFileBytes = 64 * 1024 * 1024;

    // Reads the arguments after the program name; false with error on an
    // unknown option, a missing or bad value, or no --data.
    static bool parse(const QStringList &arguments, TServerOptions *options, QString *error);
    static QString usage();
};
