#include "cli_exit_codes.h"
#include "command_packet.h"

#include <gtest/gtest.h>

namespace qvs::cli {
namespace {

struct CliRun {
    int code;
    QString out, err;
};

CliRun RunPacket(const QStringList& args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = RunPacketCommand(QStringList{"qvsctl packet"} + args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

TEST(QvsctlPacket, BuildPrintsTheKeyedText)
{
    const CliRun r = RunPacket({"build", "setnet", "ip=1.2.3.4", "name=a,b"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, "SETNET(IP=1.2.3.4,NAME=a/cob,);\n");
    EXPECT_EQ(RunPacket({"build", "p", "novalue"}).code, kExitUsage);
}

TEST(QvsctlPacket, GetPrintsTheValueOrTheError)
{
    EXPECT_EQ(RunPacket({"get", "P(X=2.5E2,);", "X", "--type", "float"}).out, "250\n");
    EXPECT_EQ(RunPacket({"get", "P(T=05032006140709,);", "T", "--type", "datetime"}).out,
              "2006-03-05 14:07:09\n");
    const CliRun bad = RunPacket({"get", "P(N=1x,);", "N", "--type", "integer"});
    EXPECT_EQ(bad.code, kExitRefused);
    EXPECT_EQ(bad.err, "'1x' is not a valid integer value\n");
    EXPECT_EQ(RunPacket({"get", "P(N=1,);", "N", "--type", "colour"}).code, kExitUsage);
}

}  // namespace
}  // namespace qvs::cli
