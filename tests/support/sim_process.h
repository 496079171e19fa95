#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace qvs::test {

// One emulated gateway as the ready line of kavro-sim lists it.
struct SimGateway {
    QString Mac;
    QString Ip;      // the address the gateway reports (NTM, GETNET)
    QString Host;    // what goes after "http://": address, or address:port
    QString Model;
    QString Firmware;
    quint16 Http = 0;
    quint16 Ftp = 0;
};

// Runs kavro-sim as a child process for the length of a test: starts it, waits for its
// ready line (never sleeps), and stops it in the destructor.
//
//   qvs::test::SimProcess sim({"--demo"});          // loopback, free ports
//   ASSERT_TRUE(sim.Started()) << sim.Error();
//   post to sim.Gateway(0).Host ...
//
// Standard error is read only when asked (StandardError(), Stop()): prefer --journal FILE or
// the control endpoint's GET /journal to "--journal -" for long runs.
class SimProcess {
public:
    // Arguments for a run on loopback only with free ports everywhere.
    static QStringList LoopbackArguments();
    // The kavro-sim executable of this build.
    static QString Executable();

    // Starts kavro-sim with the arguments; with `loopback` the LoopbackArguments() come first.
    explicit SimProcess(const QStringList& arguments, bool loopback = true, int readyTimeoutMs = 30000);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return m_started; }
    QString Error() const { return m_error; }

    QByteArray ReadyLine() const { return m_readyLine; }
    quint16 UdpPort() const { return m_udpPort; }
    quint16 ControlPort() const { return m_controlPort; }
    const std::vector<SimGateway>& Gateways() const { return m_gateways; }
    const SimGateway& Gateway(size_t index) const { return m_gateways.at(index); }
    // The gateway with that MAC; throws std::out_of_range when there is none.
    const SimGateway& GatewayByMac(const QString& mac) const;

    // SIGTERM and wait for the exit; true when it ended by itself with code 0.
    bool Stop(int timeoutMs = 10000);
    // What the process wrote to standard error so far.
    QByteArray StandardError();

private:
    std::unique_ptr<QProcess> m_process;
    bool m_started = false;
    QString m_error;
    QByteArray m_readyLine;
    QByteArray m_stderr;
    quint16 m_udpPort = 0;
    quint16 m_controlPort = 0;
    std::vector<SimGateway> m_gateways;
};

}  // namespace qvs::test
