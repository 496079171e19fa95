#include "ftp_session.h"

#include "plant_model.h"

#include <QDateTime>
#include <QLocale>

namespace qvs::sim {

namespace {

const QByteArray kSiteName = "userpage.kwp";
constexpr int kPaceMs = 100;

// Telnet IAC sequences (sent ahead of ABOR) and other control bytes are dropped.
QByteArray Printable(const QByteArray& line)
{
    QByteArray clean;
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f)
            clean += c;
    }
    return clean;
}

}  // namespace

FtpSession::FtpSession(SimServices services, Gateway& gateway, QTcpSocket* control, QObject* parent)
    : QObject(parent), m_services(services), m_gateway(gateway), m_control(control)
{
    control->setParent(this);
    connect(control, &QTcpSocket::readyRead, this, &FtpSession::ReadControl);
    connect(control, &QTcpSocket::disconnected, this, [this] {
        DropData();
        deleteLater();
    });
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMs);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (m_transfer != Transfer::None) {
            m_idle.start();
            return;
        }
        Reply("421 Timeout, closing control connection.");
        if (m_control)
            m_control->disconnectFromHost();
    });
    m_idle.start();
    m_dataWait.setSingleShot(true);
    connect(&m_dataWait, &QTimer::timeout, this, [this] {
        if (m_transfer != Transfer::None && !m_data) {
            m_transfer = Transfer::None;
            DropData();
            Reply("425 Can't open data connection.");
        }
    });
    m_pace.setInterval(kPaceMs);
    connect(&m_pace, &QTimer::timeout, this, [this] {
        if (m_transfer == Transfer::Store)
            ReadStored();
        else
            Pump();
    });
    Reply("220 Kavro FTP server ready.");
}

void FtpSession::Reply(const QByteArray& line)
{
    if (m_control && m_control->state() == QAbstractSocket::ConnectedState)
        m_control->write(line + "\r\n");
}

void FtpSession::Record(const QByteArray& line)
{
    Journal::Entry entry;
    entry.Transport = "ftp";
    entry.Gateway = QString::fromStdString(m_gateway.Mac);
    entry.Peer = m_control->peerAddress().toString() + ":" + QString::number(m_control->peerPort());
    entry.Endpoint = m_control->localAddress().toString() + ":" + QString::number(m_control->localPort());
    entry.Body = line;
    m_services.journal.Record(entry);
}

void FtpSession::ReadControl()
{
    if (!m_control)
        return;
    m_buffer += m_control->readAll();
    m_idle.start();
    int end;
    while ((end = m_buffer.indexOf('\n')) >= 0) {
        QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        line = Printable(line);
        if (line.size() > kMaxLine) {
            Reply("500 Command line too long.");
            continue;
        }
        if (line.isEmpty())
            continue;
        Record(line);
        const int space = line.indexOf(' ');
        const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
        const QByteArray argument = space < 0 ? QByteArray() : line.mid(space + 1).trimmed();
        Command(verb, argument);
        if (!m_control)
            return;
    }
    if (m_buffer.size() > 8 * kMaxLine) {
        Reply("500 Command line too long.");
        m_buffer.clear();
        m_control->disconnectFromHost();
    }
}

bool FtpSession::IsSiteFile(const QByteArray& argument) const
{
    return argument == kSiteName || argument == "/" + kSiteName;
}

QByteArray FtpSession::ListLine() const
{
    // A Unix-style line whose size begins at the 38th character.
    QByteArray line = "-rw-r--r--   1 admin    admin";
    line = line.leftJustified(37, ' ');
    line += QByteArray::number(m_gateway.Site.size());
    line += " " + QLocale::c().toString(QDateTime::currentDateTime(), "MMM dd hh:mm").toLatin1();
    return line + " " + kSiteName + "\r\n";
}

bool FtpSession::SetActive(const QHostAddress& address, quint16 port)
{
    // Data connections go back to the client only, never to a third host.
    if (!m_control || address != m_control->peerAddress() || port == 0)
        return false;
    DropData();
    m_active = qMakePair(address, port);
    return true;
}

void FtpSession::OpenPassive(bool extended)
{
    DropData();
    m_passive = new QTcpServer(this);
    if (!m_passive->listen(m_control->localAddress(), 0)) {
        Reply("425 Can't open passive connection.");
        DropData();
        return;
    }
    const quint16 port = m_passive->serverPort();
    if (extended) {
        Reply("229 Entering Extended Passive Mode (|||" + QByteArray::number(port) + "|)");
        return;
    }
    const quint32 ip = m_control->localAddress().toIPv4Address();
    QByteArray numbers;
    for (int shift = 24; shift >= 0; shift -= 8)
        numbers += QByteArray::number((ip >> shift) & 0xff) + ",";
    numbers += QByteArray::number(port >> 8) + "," + QByteArray::number(port & 0xff);
    Reply("227 Entering Passive Mode (" + numbers + ").");
}

void FtpSession::Command(const QByteArray& verb, const QByteArray& argument)
{
    if (verb == "QUIT") {
        Reply("221 Goodbye.");
        DropData();
        m_control->disconnectFromHost();
        return;
    }
    if (verb == "USER") {
        m_user = argument;
        m_loggedIn = false;
        return Reply("331 Password required for " + argument + ".");
    }
    if (verb == "PASS") {
        if (m_user.isEmpty())
            return Reply("503 Login with USER first.");
        const auto fault = m_services.faults.Match(FaultService::Ftp, m_gateway.Mac, "login");
        m_loggedIn = !fault && m_user == "admin" && argument.toStdString() == m_gateway.AdminPassword;
        return Reply(m_loggedIn ? "230 User logged in." : "530 Login incorrect.");
    }
    if (verb == "SYST")
        return Reply("215 UNIX Type: L8");
    if (verb == "FEAT")
        return Reply("211-Features:\r\n PASV\r\n EPSV\r\n SIZE\r\n211 End");
    if (verb == "NOOP")
        return Reply("200 NOOP command successful.");
    if (verb == "ABOR") {
        if (m_transfer == Transfer::None)
            return Reply("226 No transfer to abort.");
        m_transfer = Transfer::None;
        DropData();
        Reply("426 Transfer aborted.");
        return Reply("226 ABOR command successful.");
    }
    if (!m_loggedIn)
        return Reply("530 Please login with USER and PASS.");
    if (m_transfer != Transfer::None)
        return Reply("425 Transfer in progress, send ABOR first.");

    if (verb == "PWD" || verb == "XPWD")
        return Reply("257 \"/\" is the current directory.");
    if (verb == "CWD" || verb == "XCWD")
        return argument == "/" || argument == "." || argument.isEmpty() ? Reply("250 CWD command successful.")
                                                                        : Reply("550 No such directory.");
    if (verb == "CDUP")
        return Reply("250 CDUP command successful.");
    if (verb == "TYPE") {
        const QByteArray type = argument.toUpper();
        if (type == "I" || type == "L 8" || type == "A" || type == "A N")
            return Reply("200 Type set to " + type.left(1) + ".");
        return Reply("504 Type not supported.");
    }
    if (verb == "MODE")
        return argument.toUpper() == "S" ? Reply("200 Mode set to S.") : Reply("504 Mode not supported.");
    if (verb == "STRU")
        return argument.toUpper() == "F" ? Reply("200 Structure set to F.") : Reply("504 Structure not supported.");
    if (verb == "PORT") {
        const QList<QByteArray> parts = argument.split(',');
        bool ok = parts.size() == 6;
        quint32 ip = 0;
        quint32 port = 0;
        for (int i = 0; ok && i < 6; ++i) {
            const uint value = parts[i].trimmed().toUInt(&ok);
            ok = ok && value <= 255;
            if (i < 4) ip = (ip << 8) | value;
            else port = (port << 8) | value;
        }
        if (!ok || !SetActive(QHostAddress(ip), quint16(port)))
            return Reply("500 Illegal PORT command.");
        return Reply("200 PORT command successful.");
    }
    if (verb == "EPRT") {
        const QList<QByteArray> parts = argument.split(argument.isEmpty() ? '|' : argument[0]);
        bool ok = parts.size() == 5 && parts[1] == "1";
        const quint16 port = ok ? quint16(parts[3].toUInt(&ok)) : 0;
        if (!ok || !SetActive(QHostAddress(QString::fromLatin1(parts[2])), port))
            return Reply("500 Illegal EPRT command.");
        return Reply("200 EPRT command successful.");
    }
    if (verb == "PASV")
        return OpenPassive(false);
    if (verb == "EPSV")
        return OpenPassive(true);
    if (verb == "SIZE") {
        if (!IsSiteFile(argument) || m_gateway.Site.isEmpty())
            return Reply("550 " + argument + ": No such file.");
        return Reply("213 " + QByteArray::number(m_gateway.Site.size()));
    }
    if (verb == "MDTM")
        return Reply("550 " + argument + ": not available.");
    if (verb == "LIST")
        return StartTransfer(Transfer::List, m_gateway.Site.isEmpty() ? QByteArray() : ListLine(), "LIST");
    if (verb == "NLST")
        return StartTransfer(Transfer::Names, m_gateway.Site.isEmpty() ? QByteArray() : kSiteName + "\r\n", "LIST");
    if (verb == "RETR") {
        if (!IsSiteFile(argument) || m_gateway.Site.isEmpty())
            return Reply("550 " + argument + ": No such file.");
        return StartTransfer(Transfer::Retrieve, m_gateway.Site, "RETR");
    }
    if (verb == "STOR") {
        if (!IsSiteFile(argument))
            return Reply("553 Only " + kSiteName + " can be stored.");
        return StartTransfer(Transfer::Store, {}, "STOR");
    }
    if (verb == "DELE" || verb == "RNFR" || verb == "RNTO" || verb == "MKD" || verb == "RMD" || verb == "APPE")
        return Reply("550 Permission denied.");
    Reply("502 Command not implemented.");
}

void FtpSession::StartTransfer(Transfer kind, const QByteArray& payload, const QByteArray& faultTarget)
{
    if (!m_active && !m_passive)
        return Reply("425 Use PORT or PASV first.");
    m_transfer = kind;
    m_payload = payload;
    m_moved = 0;
    m_dataClosedByUs = false;
    m_fault = m_services.faults.Match(FaultService::Ftp, m_gateway.Mac, faultTarget.toStdString());
    const QByteArray what = kind == Transfer::List || kind == Transfer::Names ? "file list" : kSiteName;
    Reply("150 Opening BINARY mode data connection for " + what +
          (kind == Transfer::Retrieve ? " (" + QByteArray::number(payload.size()) + " bytes)." : "."));
    m_dataWait.start(kDataWaitMs);
    if (m_active) {
        auto* socket = new QTcpSocket(this);
        connect(socket, &QTcpSocket::connected, this, [this, socket] { DataReady(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
            if (m_data != socket && m_transfer != Transfer::None) {
                m_transfer = Transfer::None;
                m_dataWait.stop();
                socket->deleteLater();
                Reply("425 Can't open data connection.");
            }
        });
        socket->connectToHost(m_active->first, m_active->second);
        m_active.reset();
        return;
    }
    if (m_passive->hasPendingConnections())
        return DataReady(m_passive->nextPendingConnection());
    connect(m_passive, &QTcpServer::newConnection, this, [this] {
        if (m_passive && m_passive->hasPendingConnections() && !m_data)
            DataReady(m_passive->nextPendingConnection());
    });
}

void FtpSession::DataReady(QTcpSocket* socket)
{
    m_dataWait.stop();
    if (m_transfer == Transfer::None) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    m_data = socket;
    socket->setParent(this);
    if (m_passive) {
        m_passive->close();
        m_passive->deleteLater();
        m_passive = nullptr;
    }
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket != m_data)
            return;
        if (m_transfer == Transfer::Store) {
            ReadStored();
            FinishTransfer(true);
        } else if (m_transfer != Transfer::None) {
            FinishTransfer(m_dataClosedByUs && m_moved == m_payload.size());
        }
    });
    if (m_transfer == Transfer::Store) {
        if (m_fault && m_fault->Action == FaultAction::Rate)
            socket->setReadBufferSize(qMax<qint64>(1, m_fault->Number * kPaceMs / 1000));
        connect(socket, &QTcpSocket::readyRead, this, [this] {
            if (!m_fault || m_fault->Action != FaultAction::Rate)
                ReadStored();
        });
        if (m_fault && m_fault->Action == FaultAction::Rate)
            m_pace.start();
        ReadStored();
        return;
    }
    connect(socket, &QTcpSocket::bytesWritten, this, [this] {
        if (!m_fault || m_fault->Action != FaultAction::Rate)
            Pump();
    });
    if (m_fault && m_fault->Action == FaultAction::Rate)
        m_pace.start();
    Pump();
}

void FtpSession::Pump()
{
    if (!m_data || m_transfer == Transfer::None || m_transfer == Transfer::Store || m_dataClosedByUs)
        return;
    if (m_data->bytesToWrite() > 0 && !(m_fault && m_fault->Action == FaultAction::Rate))
        return;
    qint64 chunk = 16384;
    if (m_fault && m_fault->Action == FaultAction::Rate)
        chunk = qMax<qint64>(1, m_fault->Number * kPaceMs / 1000);
    if (m_fault && m_fault->Action == FaultAction::Break && m_moved + chunk > m_fault->Number)
        chunk = m_fault->Number - m_moved;
    chunk = qMin(chunk, m_payload.size() - m_moved);
    if (chunk > 0) {
        m_data->write(m_payload.constData() + m_moved, chunk);
        m_moved += chunk;
    }
    if (m_fault && m_fault->Action == FaultAction::Break && m_moved >= m_fault->Number &&
        m_moved < m_payload.size())
        return BreakData();
    if (m_moved >= m_payload.size()) {
        m_dataClosedByUs = true;
        m_pace.stop();
        m_data->disconnectFromHost();  // "disconnected" follows once the bytes are out
    }
}

void FtpSession::ReadStored()
{
    if (!m_data || m_transfer != Transfer::Store)
        return;
    qint64 room = m_data->bytesAvailable();
    if (m_fault && m_fault->Action == FaultAction::Rate && m_data->state() == QAbstractSocket::ConnectedState)
        room = qMin<qint64>(room, qMax<qint64>(1, m_fault->Number * kPaceMs / 1000));
    if (m_fault && m_fault->Action == FaultAction::Break)
        room = qMin<qint64>(room, m_fault->Number - m_moved);
    const QByteArray bytes = m_data->read(room);
    m_payload += bytes;
    m_moved += bytes.size();
    if (m_fault && m_fault->Action == FaultAction::Break && m_moved >= m_fault->Number)
        return BreakData();
    if (m_payload.size() > kMaxSiteSize) {
        m_transfer = Transfer::None;
        DropData();
        return Reply("552 Exceeded storage allocation.");
    }
}

// The break fault: the data connection goes down in the middle of the transfer.
void FtpSession::BreakData()
{
    QPointer<QTcpSocket> socket = m_data;
    if (socket)
        socket->flush();
    FinishTransfer(false);
    if (socket)
        socket->abort();
}

void FtpSession::FinishTransfer(bool complete)
{
    if (m_transfer == Transfer::None)
        return;
    const Transfer kind = m_transfer;
    m_transfer = Transfer::None;
    m_pace.stop();
    if (m_data) {
        m_data->disconnect(this);
        m_data->deleteLater();
        m_data = nullptr;
    }
    if (!complete)
        return Reply("426 Connection closed; transfer aborted.");
    if (kind == Transfer::Store) {
        // The package replaces the old one only once it arrived whole.
        m_gateway.Site = m_payload;
        m_services.plant.Changed();
    }
    Reply("226 Transfer complete.");
}

void FtpSession::DropData()
{
    m_pace.stop();
    m_dataWait.stop();
    m_active.reset();
    if (m_passive) {
        m_passive->close();
        m_passive->deleteLater();
        m_passive = nullptr;
    }
    if (m_data) {
        m_data->disconnect(this);
        m_data->abort();
        m_data->deleteLater();
        m_data = nullptr;
    }
}

}  // namespace qvs::sim
