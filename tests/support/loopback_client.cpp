#include "loopback_client.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>

namespace qvs::test {

HttpResult HttpRaw(const QString& address, quint16 port, const QByteArray& request, int timeoutMs)
{
    HttpResult result;
    QTcpSocket socket;
    QDeadlineTimer deadline(timeoutMs);
    socket.connectToHost(address, port);
    if (!socket.waitForConnected(timeoutMs)) {
        result.Error = "connect: " + socket.errorString();
        return result;
    }
    socket.write(request);
    socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())));
    while (socket.state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
        result.Raw += socket.readAll();
    }
    result.Raw += socket.readAll();
    if (socket.state() == QAbstractSocket::ConnectedState) {
        result.Error = "no close within the time-out";
        return result;
    }
    const int headEnd = result.Raw.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        result.Error = result.Raw.isEmpty() ? "closed without a reply" : "no complete response head";
        return result;
    }
    const QList<QByteArray> lines = result.Raw.left(headEnd).split('\n');
    const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
    result.Status = status.value(1).toInt();
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            result.Headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    result.Body = result.Raw.mid(headEnd + 4);
    result.Ok = status.value(0).startsWith("HTTP/") && result.Status > 0;
    return result;
}

HttpResult HttpPost(const QString& address, quint16 port, const QByteArray& path, const QByteArray& body,
                    const QByteArray& contentType, int timeoutMs)
{
    QByteArray request = "POST " + path + " HTTP/1.0\r\n";
    request += "Host: " + address.toLatin1() + ":" + QByteArray::number(port) + "\r\n";
    request += "Content-Type: " + contentType + "\r\n";
    request += "Accept: text/html, */*\r\n";
    request += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    return HttpRaw(address, port, request + body, timeoutMs);
}

HttpResult HttpGet(const QString& address, quint16 port, const QByteArray& path, int timeoutMs)
{
    return HttpRaw(address, port, "GET " + path + " HTTP/1.0\r\nHost: " + address.toLatin1() + "\r\n\r\n", timeoutMs);
}

std::vector<QByteArray> UdpAsk(quint16 port, const QByteArray& datagram, size_t expected, int timeoutMs,
                               int lingerMs, const QHostAddress& target)
{
    std::vector<QByteArray> answers;
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::LocalHost, 0))
        return answers;
    socket.writeDatagram(datagram, target, port);
    auto collect = [&](QDeadlineTimer until, size_t stopAt) {
        while (answers.size() < stopAt && !until.hasExpired()) {
            if (!socket.hasPendingDatagrams())
                socket.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(until.remainingTime(), 100))));
            while (socket.hasPendingDatagrams())
                answers.push_back(socket.receiveDatagram(65536).data());
        }
    };
    collect(QDeadlineTimer(timeoutMs), expected);
    if (lingerMs > 0)
        collect(QDeadlineTimer(lingerMs), SIZE_MAX);
    return answers;
}

}  // namespace qvs::test
