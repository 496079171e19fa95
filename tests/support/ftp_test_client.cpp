#include "ftp_test_client.h"

#include <QDeadlineTimer>
#include <QHostAddress>

namespace qvs::test {

int FtpTestClient::Connect(const QString& address, quint16 port)
{
    m_control.connectToHost(address, port);
    if (!m_control.waitForConnected(m_timeoutMs))
        return 0;
    return ReplyCode(NextReply());
}

QByteArray FtpTestClient::NextReply()
{
    QDeadlineTimer deadline(m_timeoutMs);
    while (!deadline.hasExpired()) {
        // A final reply line is "NNN text"; "NNN-text" lines continue it.
        int end;
        while ((end = m_buffer.indexOf("\r\n")) >= 0) {
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            if (line.size() >= 4 && line[3] == ' ' && line.left(3).toInt() > 0)
                return line;
        }
        if (m_control.state() != QAbstractSocket::ConnectedState && m_control.bytesAvailable() == 0)
            return {};
        m_control.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
        m_buffer += m_control.readAll();
    }
    return {};
}

void FtpTestClient::SendRaw(const QByteArray& bytes)
{
    m_control.write(bytes);
    m_control.waitForBytesWritten(m_timeoutMs);
}

QByteArray FtpTestClient::Command(const QByteArray& line)
{
    SendRaw(line + "\r\n");
    return NextReply();
}

int FtpTestClient::Login(const QByteArray& user, const QByteArray& password)
{
    if (ReplyCode(Command("USER " + user)) != 331)
        return 0;
    return ReplyCode(Command("PASS " + password));
}

std::unique_ptr<QTcpSocket> FtpTestClient::OpenData(bool passive, const QByteArray& command, QByteArray* preliminary)
{
    if (passive) {
        const QByteArray reply = Command("PASV");
        const int open = reply.indexOf('('), close = reply.indexOf(')');
        const QList<QByteArray> n = reply.mid(open + 1, close - open - 1).split(',');
        if (ReplyCode(reply) != 227 || n.size() != 6)
            return nullptr;
        auto data = std::make_unique<QTcpSocket>();
        data->connectToHost(QString::fromLatin1(n[0] + "." + n[1] + "." + n[2] + "." + n[3]),
                            quint16(n[4].toUInt() * 256 + n[5].toUInt()));
        if (!data->waitForConnected(m_timeoutMs))
            return nullptr;
        *preliminary = Command(command);
        return data;
    }
    QTcpServer listener;
    if (!listener.listen(QHostAddress::LocalHost, 0))
        return nullptr;
    const quint16 port = listener.serverPort();
    const QByteArray portCommand = "PORT 127,0,0,1," + QByteArray::number(port >> 8) + "," + QByteArray::number(port & 0xff);
    if (ReplyCode(Command(portCommand)) != 200)
        return nullptr;
    *preliminary = Command(command);
    if (ReplyCode(*preliminary) != 150 || !listener.waitForNewConnection(m_timeoutMs))
        return nullptr;
    std::unique_ptr<QTcpSocket> data(listener.nextPendingConnection());
    data->setParent(nullptr);
    return data;
}

std::unique_ptr<QTcpSocket> FtpTestClient::BeginTransfer(const QByteArray& command, bool passive, QByteArray* preliminary)
{
    return OpenData(passive, command, preliminary);
}

FtpTestClient::TransferResult FtpTestClient::Transfer(const QByteArray& command, bool passive, const QByteArray& upload)
{
    TransferResult result;
    auto data = OpenData(passive, command, &result.Preliminary);
    if (!data || ReplyCode(result.Preliminary) != 150)
        return result;
    QDeadlineTimer deadline(m_timeoutMs);
    if (!upload.isEmpty() || command.startsWith("STOR")) {
        data->write(upload);
        while (data->bytesToWrite() > 0 && !deadline.hasExpired() && data->state() == QAbstractSocket::ConnectedState)
            data->waitForBytesWritten(200);
        data->disconnectFromHost();
        if (data->state() != QAbstractSocket::UnconnectedState)
            data->waitForDisconnected(int(qMax<qint64>(1, deadline.remainingTime())));
    } else {
        while (data->state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
            data->waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
            result.Data += data->readAll();
        }
        result.Data += data->readAll();
    }
    result.Final = NextReply();
    return result;
}

}  // namespace qvs::test
