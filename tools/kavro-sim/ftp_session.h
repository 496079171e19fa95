#pragma once

#include "faults.h"
#include "sim_services.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

namespace qvs::sim {

// One FTP control connection: log-on, TYPE, PORT/EPRT (active), PASV/EPSV (passive),
// LIST/NLST, STOR/RETR of "userpage.kwp", SIZE, ABOR, QUIT. Commands out of order get
// their error reply; the session goes on.
class FtpSession : public QObject {
public:
    FtpSession(SimServices services, Gateway& gateway, QTcpSocket* control, QObject* parent);

    static constexpr int kMaxLine = 1024;
    static constexpr int kIdleMs = 30000;
    static constexpr int kDataWaitMs = 10000;

private:
    enum class Transfer { None, List, Names, Retrieve, Store };

    void ReadControl();
    void Command(const QByteArray& verb, const QByteArray& argument);
    void Reply(const QByteArray& line);
    void Record(const QByteArray& line);

    bool IsSiteFile(const QByteArray& argument) const;
    QByteArray ListLine() const;
    bool SetActive(const QHostAddress& address, quint16 port);
    void OpenPassive(bool extended);
    void StartTransfer(Transfer kind, const QByteArray& payload, const QByteArray& faultTarget);
    void DataReady(QTcpSocket* socket);
    void Pump();
    void ReadStored();
    void BreakData();
    void FinishTransfer(bool complete);
    void DropData();

    SimServices m_services;
    Gateway& m_gateway;
    QPointer<QTcpSocket> m_control;
    QByteArray m_buffer;
    QByteArray m_user;
    bool m_loggedIn = false;
    QTimer m_idle;

    // data connection
    std::optional<QPair<QHostAddress, quint16>> m_active;
    QTcpServer* m_passive = nullptr;
    QPointer<QTcpSocket> m_data;
    QTimer m_dataWait;
    QTimer m_pace;

    // transfer
    Transfer m_transfer = Transfer::None;
    QByteArray m_payload;  // what is sent, or what arrived for a store
    qint64 m_moved = 0;
    std::optional<Fault> m_fault;  // break= or rate= for this transfer
    bool m_dataClosedByUs = false;
};

}  // namespace qvs::sim
