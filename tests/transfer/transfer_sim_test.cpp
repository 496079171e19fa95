// The send and get sequences against kavro-sim over real loopback HTTP, checked on its journal.
#include "config_transfer.h"
#include "gateway_exchange.h"

#include "recording_observer.h"
#include "sample_configs.h"
#include "sim_test_helpers.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvs {
namespace {

using test::RecordingObserver;
using test::SimProcess;
using transfer::TConfigTransfer;
using transfer::TransferResult;
using transfer::TransferStatus;

// Starts the demo plant with the faults given; every test gets a fresh plant.
struct SimRun {
    explicit SimRun(const QStringList& faults = {})
        : sim([&] {
              QStringList arguments = {"--demo"};
              for (const QString& fault : faults)
                  arguments << "--fault" << fault;
              return arguments;
          }())
    {
    }

    TConfigTransfer Transfer(const QString& mac)
    {
        return TConfigTransfer(exchange, sim.GatewayByMac(mac).Host.toStdString(), "", observer);
    }
    std::vector<std::string> Journal(const QString& mac) const { return test::JournalBodies(sim, mac); }

    SimProcess sim;
    GatewayExchange exchange{5000};
    RecordingObserver observer;
};

std::vector<std::string> Tail(const std::vector<std::string>& all, size_t from)
{
    return from <= all.size() ? std::vector<std::string>(all.begin() + from, all.end())
                              : std::vector<std::string>{};
}

struct FlavourCase {
    const char* name;
    QString mac;
    std::function<TransferResult(TConfigTransfer&)> send;
    std::function<TransferResult(TConfigTransfer&, bool& equal)> getAndCompare;
    std::vector<std::string> sendTexts;
    int tagCount;
};

std::vector<FlavourCase> FlavourCases()
{
    return {
        {"Modbus", test::kModbusLogMac, [](TConfigTransfer& t) { return t.Send(test::SampleModbus()); },
         [](TConfigTransfer& t, bool& equal) {
             TModbusKavroConfig got;
             const auto result = t.Get(got);
             equal = got == test::SampleModbus();
             return result;
         },
         test::SendTexts(test::kSampleModbusCom, test::SampleModbusTags()), 5},
        {"Hostlink", test::kHostlinkMac, [](TConfigTransfer& t) { return t.Send(test::SampleHostlink()); },
         [](TConfigTransfer& t, bool& equal) {
             THostlinkKavroConfig got;
             const auto result = t.Get(got);
             equal = got == test::SampleHostlink();
             return result;
         },
         test::SendTexts(test::kSampleHostlinkCom, test::SampleHostlinkTags()), 4},
        {"DF1", test::kDF1Mac, [](TConfigTransfer& t) { return t.Send(test::SampleDF1()); },
         [](TConfigTransfer& t, bool& equal) {
             TDF1KavroConfig got;
             const auto result = t.Get(got);
             equal = got == test::SampleDF1();
             return result;
         },
         test::SendTexts(test::kSampleDF1Com, test::SampleDF1Tags()), 7},
    };
}

TEST(TransferWithSim, SendThenGetEveryFlavour)
{
    SimRun run;
    ASSERT_TRUE(run.sim.Started()) << run.sim.Error().toStdString();
    for (const auto& c : FlavourCases()) {
        SCOPED_TRACE(c.name);
        auto transfer = run.Transfer(c.mac);
        const auto sent = c.send(transfer);
        EXPECT_TRUE(sent.Completed()) << sent.Step << ": " << sent.Detail;
        const auto journal = run.Journal(c.mac);
        EXPECT_EQ(journal, c.sendTexts);

        bool equal = false;
        const auto got = c.getAndCompare(transfer, equal);
        EXPECT_TRUE(got.Completed()) << got.Step << ": " << got.Detail;
        EXPECT_TRUE(equal) << "the record got back differs from the one sent";
        EXPECT_EQ(Tail(run.Journal(c.mac), journal.size()), test::GetTexts(c.tagCount));
    }
}

TEST(TransferWithSim, NakAtStopSendsNothingElse)
{
    SimRun run({"http,STOP,nak"});
    ASSERT_TRUE(run.sim.Started()) << run.sim.Error().toStdString();
    auto transfer = run.Transfer(test::kModbusLogMac);
    const auto result = transfer.Send(test::SampleModbus());
    EXPECT_EQ(result.Status, TransferStatus::Refused);
    EXPECT_EQ(result.Position, 0);
    EXPECT_EQ(run.Journal(test::kModbusLogMac), std::vector<std::string>{"STOP();"});
}

TEST(TransferWithSim, FailureAtTheLastTagThenRetryFromStop)
{
    SimRun run({"http,ADDTAG#5,nak"});
    ASSERT_TRUE(run.sim.Started()) << run.sim.Error().toStdString();
    auto transfer = run.Transfer(test::kModbusLogMac);
    const auto failed = transfer.Send(test::SampleModbus());
    EXPECT_EQ(failed.Status, TransferStatus::Refused);
    EXPECT_EQ(failed.Step, "Sending Tag Configuration... (5)");
    const auto firstRun = run.Journal(test::kModbusLogMac);
    const auto all = test::SendTexts(test::kSampleModbusCom, test::SampleModbusTags());
    EXPECT_EQ(firstRun, std::vector<std::string>(all.begin(), all.begin() + 15));

    const auto retried = transfer.Send(test::SampleModbus());
    EXPECT_TRUE(retried.Completed()) << retried.Step << ": " << retried.Detail;
    EXPECT_EQ(Tail(run.Journal(test::kModbusLogMac), firstRun.size()), all);
}

TEST(TransferWithSim, TransportFailureMidRun)
{
    struct Case {
        QString fault;
        const char* step;
        std::string lastPacket;
    };
    const Case cases[] = {
        {"http,SETTOO#3,close", "Sending E-Mail Recipients List... (3)", "SETTOO(TOO=2,EMAIL=,);"},
        {"http,ADDTAG#2,status=500", "Sending Tag Configuration... (2)", test::SampleDF1Tags()[1]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault.toStdString());
        SimRun run({c.fault});
        ASSERT_TRUE(run.sim.Started()) << run.sim.Error().toStdString();
        auto transfer = run.Transfer(test::kDF1Mac);
        const auto result = transfer.Send(test::SampleDF1());
        EXPECT_EQ(result.Status, TransferStatus::NoResponse);
        EXPECT_EQ(result.Step, c.step);
        EXPECT_EQ(run.Journal(test::kDF1Mac).back(), c.lastPacket);
    }
}

TEST(TransferWithSim, GetOfTheDemoGatewayAndAFailingTagCount)
{
    SimRun run({"http,GETTAGCOUNT,nak,gw=" + test::kHostlinkMac});
    ASSERT_TRUE(run.sim.Started()) << run.sim.Error().toStdString();
    {
        auto transfer = run.Transfer(test::kDF1Mac);
        TDF1KavroConfig got;
        const auto result = transfer.Get(got);
        EXPECT_TRUE(result.Completed()) << result.Step << ": " << result.Detail;
        EXPECT_GT(got.TagCount, 0);
        EXPECT_EQ(run.Journal(test::kDF1Mac), test::GetTexts(got.TagCount));
    }
    {
        auto transfer = run.Transfer(test::kHostlinkMac);
        THostlinkKavroConfig got;
        EXPECT_EQ(transfer.Get(got).Status, TransferStatus::Refused);
        EXPECT_EQ(run.Journal(test::kHostlinkMac), std::vector<std::string>{"GETTAGCOUNT();"});
        EXPECT_EQ(got, THostlinkKavroConfig{});
    }
}

}  // namespace
}  // namespace qvs
