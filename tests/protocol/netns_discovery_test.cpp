// The real search, broadcast to 255.255.255.255:998, in network namespaces this test builds:
// a "PC" namespace with two interfaces, each a veth to its own LAN segment namespace where
// kavro-sim runs a small plant. One search must find the gateways of both segments. The
// broadcast cannot leave: the PC namespace has no other link than these two veths.
#include "sim_process.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <memory>

namespace {

struct Result {
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};

Result RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 20000)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return {-1, process.readAllStandardOutput(), "timed out"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

Result Ip(const QStringList& arguments)
{
    return RunProgram("ip", arguments);
}

QByteArray Plant(const QString& segment, int count, bool withHostName)
{
    QJsonArray gateways;
    for (int i = 1; i <= count; ++i) {
        QJsonObject g{{"mac", QString("00:60:35:%1:00:%2").arg(segment.toInt(), 2, 10, QChar('0')).arg(i, 2, 10, QChar('0'))},
                      {"model", i % 2 ? "1118" : "1109"},
                      {"firmware", "2.0.7"},
                      {"ip", QString("10.201.%1.%2").arg(segment).arg(10 + i)},
                      {"netmask", "255.255.255.0"},
                      {"gateway", QString("10.201.%1.1").arg(segment)}};
        if (withHostName)
            g["hostname"] = QString("segment-%1-gw-%2").arg(segment).arg(i);
        gateways.append(g);
    }
    return QJsonDocument(QJsonObject{{"gateways", gateways}}).toJson();
}

class TwoLanSegments : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "network namespaces need root; the broadcast test is skipped";
        const QString id = QString::number(::getpid());
        m_pc = "qvs-" + id + "-pc";
        const Result made = Ip({"netns", "add", m_pc});
        if (made.Code != 0)
            GTEST_SKIP() << "network namespaces cannot be made here (ip netns add: "
                         << made.Err.trimmed().toStdString() << "); the broadcast test is skipped";
        m_namespaces << m_pc;
        for (int segment = 1; segment <= 2; ++segment) {
            const QString lan = QString("qvs-%1-lan%2").arg(id).arg(segment);
            const QString pcSide = QString("qv%1p%2").arg(id).arg(segment);
            const QString lanSide = QString("qv%1l%2").arg(id).arg(segment);
            ASSERT_EQ(Ip({"netns", "add", lan}).Code, 0);
            m_namespaces << lan;
            Must({"link", "add", pcSide, "netns", m_pc, "type", "veth", "peer", "name", lanSide, "netns", lan});
            Must({"-n", m_pc, "addr", "add", QString("10.201.%1.1/24").arg(segment), "dev", pcSide});
            Must({"-n", lan, "addr", "add", QString("10.201.%1.2/24").arg(segment), "dev", lanSide});
            Must({"-n", lan, "link", "set", "lo", "up"});
            Must({"-n", lan, "link", "set", lanSide, "up"});
            Must({"-n", m_pc, "link", "set", pcSide, "up"});
            m_links << std::pair{m_pc, pcSide} << std::pair{lan, lanSide};
            m_lans << lan;
        }
        Must({"-n", m_pc, "link", "set", "lo", "up"});
        WaitForLinks();
    }

    void TearDown() override
    {
        for (auto& sim : m_sims) {
            sim->terminate();
            if (!sim->waitForFinished(5000)) {
                sim->kill();
                sim->waitForFinished(2000);
            }
        }
        m_sims.clear();
        for (const QString& name : m_namespaces)
            Ip({"netns", "delete", name});
    }

    void Must(const QStringList& arguments)
    {
        const Result r = Ip(arguments);
        ASSERT_EQ(r.Code, 0) << "ip " << arguments.join(' ').toStdString() << ": " << r.Err.toStdString();
    }

    // A veth is not carrying frames the moment it is set up; bounded wait for both ends.
    void WaitForLinks()
    {
        QDeadlineTimer deadline(10000);
        for (const auto& [ns, link] : m_links) {
            for (;;) {
                const Result r = Ip({"-n", ns, "-o", "link", "show", "dev", link});
                if (r.Out.contains("LOWER_UP") && r.Out.contains("state UP"))
                    break;
                ASSERT_FALSE(deadline.hasExpired()) << link.toStdString() << " did not come up: " << r.Out.toStdString();
                QProcess::execute("sleep", {"0.02"});
            }
        }
    }

    // kavro-sim in one segment namespace, its UDP responder on 0.0.0.0:998 there.
    void StartSim(const QString& lan, const QByteArray& plant)
    {
        const QString file = m_dir.filePath(lan + ".json");
        std::ofstream(file.toStdString()) << plant.toStdString();
        auto sim = std::make_unique<QProcess>();
        sim->start("ip", {"netns", "exec", lan, qvs::test::SimProcess::Executable(), "--plant", file,
                          "--listen", "127.0.0.1", "--http-port", "0", "--ftp-port", "0", "--control-port", "0"});
        ASSERT_TRUE(sim->waitForStarted(10000));
        QByteArray out;
        QDeadlineTimer deadline(30000);
        while (!out.contains('\n')) {
            ASSERT_EQ(sim->state(), QProcess::Running) << sim->readAllStandardError().toStdString();
            ASSERT_FALSE(deadline.hasExpired()) << "no ready line from kavro-sim in " << lan.toStdString();
            sim->waitForReadyRead(200);
            out += sim->readAllStandardOutput();
        }
        ASSERT_TRUE(QJsonDocument::fromJson(out.left(out.indexOf('\n'))).object().value("ready").toBool());
        m_sims.push_back(std::move(sim));
    }

    QTemporaryDir m_dir;
    QString m_pc;
    QStringList m_namespaces;
    QStringList m_lans;
    QList<std::pair<QString, QString>> m_links;
    std::vector<std::unique_ptr<QProcess>> m_sims;
};

TEST_F(TwoLanSegments, OneSearchFindsTheGatewaysOfBoth)
{
    ASSERT_NO_FATAL_FAILURE(StartSim(m_lans[0], Plant("1", 2, false)));
    ASSERT_NO_FATAL_FAILURE(StartSim(m_lans[1], Plant("2", 3, true)));

    const QString qvsctl = qEnvironmentVariable("QVS_BINARY_DIR") + "/src/cli/qvsctl";
    // The default target: 255.255.255.255:998, from port 998 of every address of the PC.
    const Result r = RunProgram("ip", {"netns", "exec", m_pc, qvsctl, "discover", "--json"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_FALSE(r.Err.contains("998 cannot be used")) << r.Err.toStdString();
    const QJsonArray devices = QJsonDocument::fromJson(r.Out).array();
    QStringList macs;
    for (const QJsonValue& device : devices)
        macs << device["MAC"].toString();
    macs.sort();
    EXPECT_EQ(macs, (QStringList{"00:60:35:01:00:01", "00:60:35:01:00:02", "00:60:35:02:00:01",
                                 "00:60:35:02:00:02", "00:60:35:02:00:03"}));
    for (const QJsonValue& device : devices) {
        if (device["MAC"].toString().startsWith("00:60:35:02")) {
            EXPECT_TRUE(device["Host"].toString().startsWith("segment-2-gw-"));
        }
    }
}

}  // namespace
