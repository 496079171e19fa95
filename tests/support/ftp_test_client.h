#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace qvs::test {

// A small blocking FTP client over plain sockets, for tests that check an FTP peer
// command by command. Every wait is bounded.
class FtpTestClient {
public:
    explicit FtpTestClient(int timeoutMs = 10000) : m_timeoutMs(timeoutMs) {}

    // Connects and reads the greeting; returns its code (0 when nothing came).
    int Connect(const QString& address, quint16 port);
    // Sends one command line and returns the final reply ("226 ..."), "" on silence.
    QByteArray Command(const QByteArray& line);
    // Reads the next reply without sending anything.
    QByteArray NextReply();
    int Login(const QByteArray& user, const QByteArray& password);  // the PASS reply's code

    struct TransferResult {
        QByteArray Preliminary;  // "150 ..." or the refusal
        QByteArray Final;        // "226 ..." or "426 ..."
        QByteArray Data;
    };
    // One data transfer (LIST, RETR x, STOR x) in passive or active mode.
    TransferResult Transfer(const QByteArray& command, bool passive, const QByteArray& upload = {});
    // Starts a transfer and leaves it running: the data socket is returned open.
    std::unique_ptr<QTcpSocket> BeginTransfer(const QByteArray& command, bool passive, QByteArray* preliminary);

    void SendRaw(const QByteArray& bytes);
    QTcpSocket& Control() { return m_control; }

private:
    std::unique_ptr<QTcpSocket> OpenData(bool passive, const QByteArray& command, QByteArray* preliminary);

    int m_timeoutMs;
    QTcpSocket m_control;
    QByteArray m_buffer;
};

inline int ReplyCode(const QByteArray& reply)
{
    return reply.left(3).toInt();
}

}  // namespace qvs::test
