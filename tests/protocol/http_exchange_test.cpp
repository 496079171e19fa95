#include "fake_http_server.h"
#include "gateway_exchange.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace qvs {
namespace {

using test::FakeHttpServer;

TPacket Request(const char* name)
{
    TPacket packet;
    packet.NewPacket(name);
    return packet;
}

std::map<std::string, std::string> HeadersOf(const std::string& request)
{
    std::map<std::string, std::string> headers;
    const auto end = request.find("\r\n\r\n");
    size_t at = request.find("\r\n") + 2;
    while (at < end) {
        const auto stop = request.find("\r\n", at);
        const std::string line = request.substr(at, stop - at);
        const auto colon = line.find(": ");
        headers[line.substr(0, colon)] = line.substr(colon + 2);
        at = stop + 2;
    }
    return headers;
}

std::string BodyOf(const std::string& request)
{
    return request.substr(request.find("\r\n\r\n") + 4);
}

TEST(GatewayExchange, SendsExactlyTheExpectedRequest)
{
    FakeHttpServer server([](const std::string&) { return FakeHttpServer::Reply("ACK();"); });
    GatewayExchange exchange;
    const ExchangeReply reply = exchange.Exchange(server.Host(), Endpoint::Admin, Request("GETADMIN"));
    ASSERT_TRUE(reply.Ok) << reply.Failure;
    EXPECT_EQ(reply.Reply.GetText(), "ACK();");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string& request = requests[0];
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "POST /admpost.cgi HTTP/1.0");
    const std::map<std::string, std::string> expected = {
        {"Host", server.Host()},
        {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
        {"Accept", "text/html, */*"},
        {"Content-Type", "text/x-qprot"},
        {"Content-Length", "11"},
    };
    EXPECT_EQ(HeadersOf(request), expected);
    EXPECT_EQ(BodyOf(request), "GETADMIN();");
}

// The header list outlives a request: every later request of the client still carries exactly
// its own headers, whatever content type the one before had.
TEST(HttpClient, EveryRequestCarriesExactlyItsHeaders)
{
    FakeHttpServer server([](const std::string&) { return FakeHttpServer::Reply("ACK();"); });
    HttpClient client(HttpClient::ProxyUse::Never);
    const char* types[] = {"text/x-qprot", "text/x-qprot", "text/plain", "text/x-qprot"};
    for (const char* type : types)
        ASSERT_TRUE(client.Post("http://" + server.Host() + "/admpost.cgi", "READ();", type).Ok);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), std::size(types));
    for (size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(i);
        const std::map<std::string, std::string> expected = {
            {"Host", server.Host()},
            {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
            {"Accept", "text/html, */*"},
            {"Content-Type", types[i]},
            {"Content-Length", "7"},
        };
        EXPECT_EQ(HeadersOf(requests[i]), expected);
        EXPECT_EQ(requests[i].substr(0, requests[i].find("\r\n")), "POST /admpost.cgi HTTP/1.0");
        EXPECT_EQ(BodyOf(requests[i]), "READ();");
    }
}

TEST(GatewayExchange, AppEndpointAndTrimmedBody)
{
    FakeHttpServer server([](const std::string&) { return FakeHttpServer::Reply("VALUES();"); });
    GatewayExchange exchange;
    const TPacket request(" \t\r\nREAD(TAG=a b,);\r\n\x01 ");
    ASSERT_TRUE(exchange.Exchange(server.Host(), Endpoint::App, request).Ok);
    const std::string received = server.Requests().at(0);
    EXPECT_EQ(received.substr(0, received.find("\r\n")), "POST /apppost.cgi HTTP/1.0");
    EXPECT_EQ(BodyOf(received), "READ(TAG=a b,);");
}

struct FailureCase {
    const char* Name;
    FakeHttpServer::Answer Answer;
};

class GatewayExchangeFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GatewayExchangeFailure, IsAFailureAndLeavesNoReply)
{
    const FailureCase& c = GetParam();
    FakeHttpServer server([&](const std::string&) { return c.Answer; });
    GatewayExchange exchange(300);
    const ExchangeReply reply = exchange.Exchange(server.Host(), Endpoint::Admin, Request("GETADMIN"));
    EXPECT_FALSE(reply.Ok);
    EXPECT_FALSE(reply.Failure.empty());
    EXPECT_EQ(reply.Reply.GetText(), "");
    EXPECT_EQ(server.Requests().size(), 1u) << "nothing is retried or redirected";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GatewayExchangeFailure,
    ::testing::Values(
        FailureCase{"NotFound", FakeHttpServer::Reply("no such page", "404 Not Found")},
        FailureCase{"ServerError", FakeHttpServer::Reply("ACK();", "500 Internal Server Error")},
        FailureCase{"Redirect", FakeHttpServer::Reply("", "302 Found",
                                                      "Location: http://127.0.0.1:1/x\r\n")},
        FailureCase{"ClosedWithoutReply", {"", 0}},
        FailureCase{"HeadersOnlyThenClose", {"HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nACK", 0}},
        FailureCase{"Garbage", {"\x01\x02 this is no HTTP\r\n\r\n", 0}},
        FailureCase{"TimeOut", {FakeHttpServer::Reply("ACK();").Bytes, 3000}},
        FailureCase{"ReplyOverOneMebibyte",
                    FakeHttpServer::Reply(std::string(HttpClient::kMaxReplyBytes + 1, 'x'))},
        FailureCase{"UndeclaredReplyOverOneMebibyte",
                    {"HTTP/1.0 200 OK\r\n\r\n" + std::string(HttpClient::kMaxReplyBytes + 10, 'x'),
                     0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GatewayExchange, UnreachableHostIsAFailure)
{
    int port = 0;
    { FakeHttpServer closed([](const std::string&) { return FakeHttpServer::Answer{}; });
      port = closed.Port(); }
    GatewayExchange exchange(1000);
    const ExchangeReply reply =
        exchange.Exchange("127.0.0.1:" + std::to_string(port), Endpoint::Admin, Request("GETADMIN"));
    EXPECT_FALSE(reply.Ok);
}

TEST(GatewayExchange, AnyReplyWithSuccessIsLoadedAsItCame)
{
    const std::string bytes("NAK(REASON=x,);\0\xff\r\nmore", 24);
    FakeHttpServer server([&](const std::string&) { return FakeHttpServer::Reply(bytes); });
    GatewayExchange exchange;
    const ExchangeReply reply = exchange.Exchange(server.Host(), Endpoint::Admin, Request("GETADMIN"));
    ASSERT_TRUE(reply.Ok);
    EXPECT_EQ(reply.Reply.GetText(), bytes);
    EXPECT_TRUE(reply.Reply.IsName("NAK"));
}

TEST(GatewayExchange, ReplyOfExactlyOneMebibyteIsAccepted)
{
    const std::string body(HttpClient::kMaxReplyBytes, 'x');
    FakeHttpServer server([&](const std::string&) { return FakeHttpServer::Reply(body); });
    GatewayExchange exchange;
    const ExchangeReply reply = exchange.Exchange(server.Host(), Endpoint::Admin, Request("GETADMIN"));
    ASSERT_TRUE(reply.Ok) << reply.Failure;
    EXPECT_EQ(reply.Reply.GetText().size(), body.size());
}

TEST(GatewayExchange, CookiesAreKeptAndReturned)
{
    int count = 0;
    FakeHttpServer server([&](const std::string&) {
        return ++count == 1 ? FakeHttpServer::Reply("ACK();", "200 OK", "Set-Cookie: SID=7f3a; Path=/\r\n")
                            : FakeHttpServer::Reply("ACK();");
    });
    GatewayExchange exchange;
    ASSERT_TRUE(exchange.Exchange(server.Host(), Endpoint::Admin, Request("GETADMIN")).Ok);
    ASSERT_TRUE(exchange.Exchange(server.Host(), Endpoint::App, Request("READ")).Ok);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(HeadersOf(requests[0]).count("Cookie"), 0u);
    EXPECT_EQ(HeadersOf(requests[1])["Cookie"], "SID=7f3a");
}

// Environment proxy variables must not reach the local client, nor the remote one when the
// options have the proxy off.
class ProxyEnvironment : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string dead = "http://127.0.0.1:" + std::to_string(m_deadPort.Port());
        for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            ::setenv(name, dead.c_str(), 1);
        ::unsetenv("no_proxy");
        ::unsetenv("NO_PROXY");
    }
    void TearDown() override
    {
        for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            ::unsetenv(name);
    }
    FakeHttpServer m_deadPort{[](const std::string&) {
        return FakeHttpServer::Reply("proxy", "502 Bad Gateway");
    }};
};

TEST_F(ProxyEnvironment, LocalAndUnproxiedRemoteClientsConnectDirectly)
{
    FakeHttpServer gateway([](const std::string&) { return FakeHttpServer::Reply("ACK();"); });
    GatewayExchange exchange;
    EXPECT_TRUE(exchange.Exchange(gateway.Host(), Endpoint::Admin, Request("GETADMIN")).Ok);
    EXPECT_TRUE(exchange.ExchangeVia("10.0.0.9", gateway.Host(), Endpoint::Admin, Request("GETADMIN")).Ok);

    HttpProxyOptions options;
    options.Enabled = false;
    options.Server = "127.0.0.1";
    options.Port = m_deadPort.Port();
    exchange.SinchronizeOptions(options);
    EXPECT_TRUE(exchange.ExchangeVia("10.0.0.9", gateway.Host(), Endpoint::Admin, Request("GETADMIN")).Ok);
    EXPECT_EQ(gateway.Requests().size(), 3u);
    EXPECT_TRUE(m_deadPort.Requests().empty());
}

TEST(GatewayExchange, RowWithoutRemoteHostBypassesAConfiguredProxy)
{
    FakeHttpServer proxy([](const std::string&) { return FakeHttpServer::Reply("proxy", "502 Bad Gateway"); });
    FakeHttpServer gateway([](const std::string&) { return FakeHttpServer::Reply("ACK();"); });
    GatewayExchange exchange;
    exchange.SinchronizeOptions({true, "127.0.0.1", proxy.Port(), false, "", ""});
    EXPECT_TRUE(exchange.ExchangeVia(gateway.Host(), "", Endpoint::Admin, Request("GETADMIN")).Ok);
    EXPECT_TRUE(proxy.Requests().empty());
}

TEST(GatewayExchange, RemoteRowGoesThroughTheProxyWithTheTypedHost)
{
    FakeHttpServer proxy([](const std::string&) { return FakeHttpServer::Reply("ACK();"); });
    GatewayExchange exchange;
    exchange.SinchronizeOptions({true, "127.0.0.1", proxy.Port(), true, "tech", "s3cret"});
    ASSERT_TRUE(exchange.ExchangeVia("192.168.1.20", "plant-7.example.com:8080", Endpoint::Admin,
                                     Request("GETDEVICE"))
                    .Ok);
    const std::string request = proxy.Requests().at(0);
    EXPECT_EQ(request.substr(0, request.find("\r\n")),
              "POST http://plant-7.example.com:8080/admpost.cgi HTTP/1.0");
    EXPECT_EQ(HeadersOf(request)["Proxy-Authorization"], "Basic dGVjaDpzM2NyZXQ=");
}

}  // namespace
}  // namespace qvs
