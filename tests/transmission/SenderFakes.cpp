#include "SenderFakes.h"

#include <gtest/gtest.h>

QByteArray TFakeRequest::Field(const QByteArray &name) const
{
    for (const auto &[n, v] : Fields)
        if (n == name)
            return v;
    ADD_FAILURE() << "no field " << name.constData();
    return {};
}

THttpReply TFakeHttp::Reply(const QByteArray &body)
{
    THttpReply r;
    r.received = true;
    r.status = 200;
    r.body = body;
    return r;
}

THttpReply TFakeHttp::NoReply()
{
    THttpReply r;
    r.error = QStringLiteral("could not connect");
    return r;
}

THttpReply TFakeHttp::getLive(const QByteArray &url) const
{
    TFakeRequest request;
    request.Url = url;
    return answer(request);
}

THttpReply TFakeHttp::postForm(const QByteArray &url, const TMsMultiPartFormDataStream &form) const
{
    TFakeRequest request;
    request.Post = true;
    request.Url = url;
    request.Boundary = form.boundary();
    request.Fields = ParseForm(form.data(), form.boundary());
    return answer(request);
}

THttpReply TFakeHttp::answer(const TFakeRequest &request) const
{
    TFakeRequest r = request;
    r.Thread = QThread::currentThread();
    Requests.append(r);
    if (DuringRequest)
        DuringRequest(r);
    if (Aborted)
        return NoReply();
    return Replies.isEmpty() ? Reply("ok") : Replies.takeFirst();
}

QList<QPair<QByteArray, QByteArray>> TFakeHttp::ParseForm(const QByteArray &data, const QByteArray &boundary)
{
    QList<QPair<QByteArray, QByteArray>> fields;
    const QByteArray close = "\r\n--" + boundary + "--\r\n";
    if (!data.startsWith("--" + boundary + "\r\n") || !data.endsWith(close)) {
        ADD_FAILURE() << "not a closed multipart body: " << data.left(120).constData();
        return fields;
    }
    QByteArray rest = data.mid(boundary.size() + 4);
    rest.chop(close.size());
    const QByteArray separator = "\r\n--" + boundary + "\r\n";
    const QByteArray header = "Content-Disposition: form-data; name=\"";
    qsizetype at = 0;
    for (;;) {
        const qsizetype end = rest.indexOf(separator, at);
        const QByteArray part = rest.mid(at, end < 0 ? -1 : end - at);
        if (!part.startsWith(header)) {
            ADD_FAILURE() << "part without its header: " << part.left(80).constData();
            return fields;
        }
        const qsizetype nameEnd = part.indexOf("\"\r\n\r\n", header.size());
        if (nameEnd < 0) {
            ADD_FAILURE() << "part header not closed: " << part.left(80).constData();
            return fields;
        }
        fields.append({part.mid(header.size(), nameEnd - header.size()), part.mid(nameEnd + 5)});
        if (end < 0)
            break;
        at = end + separator.size();
    }
    return fields;
}

void TRecordingStore::SaveGame(TGame &game)
{
    QStringList queue;
    for (const TEventList::Entry &e : game.OutgoingQueue.Entries())
        queue << e.Event->Message;
    Saves.append(queue);
}
