#include "TServerOptions.h"

#include "TLiveGame.h"

namespace {

bool number(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

} // namespace

QString TServerOptions::usage()
{
    return QStringLiteral(
        "usage: parquetix-server --data DIR [options]\n"
        "  --data DIR          folder for the message database and the uploads (required)\n"
        "  --database URL      keep messages in PostgreSQL (postgresql://...) instead of SQLite in DIR\n"
        "  --keys FILE         write keys, one a line; writes without a valid key are refused\n"
        "  --sync MODE         full: answer ok once the message is on disk (default); normal: sooner\n"
        "  --host ADDRESS      address to listen on (default 127.0.0.1)\n"
        "  --port N            port to listen on, 0 for a free one (default 8080)\n"
        "  --update-file FILE  master-data update text served at /income/update.phtml\n"
        "  --setup-xml FILE    version file served at /update/setup.xml\n"
        "  --setup-version V   serve a version file naming version V instead\n"
        "  --log FILE          append the request log to FILE instead of standard error\n"
        "  --quiet             no request log\n"
        "  --control           enable POST /control to switch faults at run time\n"
        "  --edition ID        edition whose valuation the live pages and their JSON show: HUN (default),\n"
        "                      ENG, HEB, ITA or FRA\n"
        "  --refuse            close every connection without an answer\n"
        "  --no-ok             answer every request without \"ok\" and store nothing\n"
        "  --slow MS           wait MS milliseconds before answering\n"
        "  --drop N            close the connection of every N-th request without an answer\n"
        "  --header-timeout MS time a client has to send a whole request header (default 10000)\n"
        "  --max-upload BYTES  largest game upload (default 33554432)\n"
        "  --max-batch BYTES   largest event batch (default 1048576)\n");
}

bool TServerOptions::parse(const QStringList &arguments, TServerOptions *options, QString *error)
{
    TServerOptions o;
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        auto value = [&](QString *out) {
            if (i + 1 >= arguments.size())
                return false;
            *out = arguments[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--refuse")) {
            o.refuse = true;
        } else if (a == QLatin1String("--no-ok")) {
            o.noOk = true;
        } else if (a == QLatin1String("--control")) {
            o.control = true;
        } else if (a == QLatin1String("--quiet")) {
            o.logRequests = false;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            return fail(usage());
        } else if (!value(&v)) {
            return fail(a.startsWith(QLatin1String("--")) && !a.contains(QLatin1Char('='))
                            ? QStringLiteral("%1 needs a value, or is unknown").arg(a)
                            : QStringLiteral("unknown argument %1").arg(a));
        } else if (a == QLatin1String("--data")) {
            o.dataDir = v;
        } else if (a == QLatin1String("--database")) {
            if (!v.startsWith(QLatin1String("postgresql://")) && !v.startsWith(QLatin1String("postgres://")))
                return fail(QStringLiteral("--database needs a postgresql:// address, not %1").arg(v));
            o.database = v;
        } else if (a == QLatin1String("--keys")) {
            o.keysFile = v;
        } else if (a == QLatin1String("--sync")) {
            if (v != QLatin1String("full") && v != QLatin1String("normal"))
                return fail(QStringLiteral("--sync needs full or normal, not %1").arg(v));
            o.durable = v == QLatin1String("full");
        } else if (a == QLatin1String("--host")) {
            o.host = v;
        } else if (a == QLatin1String("--port")) {
            if (!number(v, 0, 65535, &o.port))
                return fail(QStringLiteral("--port needs a number from 0 to 65535, not %1").arg(v));
        } else if (a == QLatin1String("--update-file")) {
            o.updateFile = v;
        } else if (a == QLatin1String("--setup-xml")) {
            o.setupXml = v;
        } else if (a == QLatin1String("--setup-version")) {
            o.setupVersion = v;
        } else if (a == QLatin1String("--edition")) {
            if (!TLiveGame::editionOf(v))
                return fail(QStringLiteral("--edition needs HUN, ENG, HEB, ITA or FRA, not %1").arg(v));
            o.edition = v.toUpper();
        } else if (a == QLatin1String("--log")) {
            o.logFile = v;
        } else if (a == QLatin1String("--slow")) {
            if (!number(v, 0, 600000, &o.slowMs))
                return fail(QStringLiteral("--slow needs milliseconds from 0 to 600000, not %1").arg(v));
        } else if (a == QLatin1String("--header-timeout")) {
            if (!number(v, 100, 600000, &o.headerTimeoutMs))
                return fail(
                    QStringLiteral("--header-timeout needs milliseconds from 100 to 600000, not %1").arg(v));
        } else if (a == QLatin1String("--drop")) {
            if (!number(v, 0, 1000000, &o.dropEvery))
                return fail(QStringLiteral("--drop needs a count from 0 (never) upwards, not %1").arg(v));
        } else if (a == QLatin1String("--max-upload") || a == QLatin1String("--max-batch")) {
            bool ok = false;
            const qint64 bytes = v.toLongLong(&ok);
            if (!ok || bytes < 1024)
                return fail(QStringLiteral("%1 needs a size of at least 1024 bytes, not %2").arg(a, v));
            (a == QLatin1String("--max-upload") ? o.maxUploadBytes : o.maxBatchBytes) = bytes;
        } else {
            return fail(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (o.dataDir.isEmpty())
        return fail(QStringLiteral("--data DIR is required"));
    *options = o;
    return true;
}
