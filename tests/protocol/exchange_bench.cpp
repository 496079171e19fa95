// Times sequential exchanges through the library, for scripts/bench/exchange_vs_curl.sh:
//   exchange_bench HOST COUNT  -> one line per exchange, its time in seconds.
#include "gateway_exchange.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: exchange_bench HOST COUNT\n");
        return 2;
    }
    const std::string host = argv[1];
    const int count = std::atoi(argv[2]);
    qvs::GatewayExchange exchange;
    qvs::TPacket request;
    request.NewPacket("GETADMIN");
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const qvs::ExchangeReply reply = exchange.Exchange(host, qvs::Endpoint::Admin, request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (!reply.Ok) {
            std::fprintf(stderr, "exchange %d failed: %s\n", i + 1, reply.Failure.c_str());
            return 1;
        }
        std::printf("%.6f\n", took.count());
    }
    return 0;
}
