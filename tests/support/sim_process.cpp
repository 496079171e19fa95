#include "sim_process.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace qvs::test {

QStringList SimProcess::LoopbackArguments()
{
    return {"--listen", "127.0.0.1", "--http-port", "0", "--ftp-port", "0",
            "--udp-bind", "127.0.0.1", "--udp-port", "0", "--control-port", "0"};
}

QString SimProcess::Executable()
{
    return QStringLiteral(KAVRO_SIM_EXECUTABLE);
}

SimProcess::SimProcess(const QStringList& arguments, bool loopback, int readyTimeoutMs)
    : m_process(std::make_unique<QProcess>())
{
    m_process->setProgram(Executable());
    m_process->setArguments(loopback ? LoopbackArguments() + arguments : arguments);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start();
    if (!m_process->waitForStarted(readyTimeoutMs)) {
        m_error = "kavro-sim did not start: " + m_process->errorString();
        return;
    }
    QByteArray out;
    QDeadlineTimer deadline(readyTimeoutMs);
    while (!out.contains('\n')) {
        if (m_process->state() != QProcess::Running || deadline.hasExpired()) {
            m_stderr += m_process->readAllStandardError();
            m_error = "kavro-sim gave no ready line: " + QString::fromLocal8Bit(m_stderr);
            return;
        }
        m_process->waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
        out += m_process->readAllStandardOutput();
        m_stderr += m_process->readAllStandardError();
    }
    m_readyLine = out.left(out.indexOf('\n'));
    const QJsonObject ready = QJsonDocument::fromJson(m_readyLine).object();
    if (!ready.value("ready").toBool()) {
        m_error = "not a ready line: " + QString::fromLatin1(m_readyLine);
        return;
    }
    m_udpPort = quint16(ready.value("udp").toInt());
    m_controlPort = quint16(ready.value("control").toInt());
    for (const QJsonValue& value : ready.value("gateways").toArray()) {
        const QJsonObject g = value.toObject();
        m_gateways.push_back({g.value("mac").toString(), g.value("ip").toString(), g.value("host").toString(),
                              g.value("model").toString(), g.value("firmware").toString(),
                              quint16(g.value("http").toInt()), quint16(g.value("ftp").toInt())});
    }
    m_started = true;
}

SimProcess::~SimProcess()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

const SimGateway& SimProcess::GatewayByMac(const QString& mac) const
{
    for (const auto& gateway : m_gateways)
        if (gateway.Mac == mac)
            return gateway;
    throw std::out_of_range("no gateway " + mac.toStdString());
}

bool SimProcess::Stop(int timeoutMs)
{
    if (m_process->state() == QProcess::NotRunning)
        return false;
    m_process->terminate();
    if (!m_process->waitForFinished(timeoutMs)) {
        m_process->kill();
        m_process->waitForFinished(timeoutMs);
        return false;
    }
    m_stderr += m_process->readAllStandardError();
    return m_process->exitStatus() == QProcess::NormalExit && m_process->exitCode() == 0;
}

QByteArray SimProcess::StandardError()
{
    m_stderr += m_process->readAllStandardError();
    return m_stderr;
}

}  // namespace qvs::test
