// In-process timings of a Modbus document on a kvr file: Open, GetAllConfig, SaveAs (a whole
// atomic save with fsync) and SetAllConfig into a new document. Built by kvr_check.sh.
#include "modbus_config_content.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvr_document_bench FILE.kvr OUT.kvr\n");
        return 2;
    }
    using Clock = std::chrono::steady_clock;
    auto us = [](Clock::time_point a, Clock::time_point b) {
        return static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(b - a).count());
    };
    std::vector<long> open, gather, save, fill;
    for (int run = 0; run < 21; ++run) {
        const auto t0 = Clock::now();
        qvs::TModbusConfigContent document('.');
        document.Open(argv[1]);
        const auto t1 = Clock::now();
        const auto config = std::make_unique<qvs::TModbusKavroConfig>(document.GetAllConfig());
        const auto t2 = Clock::now();
        if (!document.SaveAs(argv[2]).Ok()) return 1;
        const auto t3 = Clock::now();
        qvs::TModbusConfigContent fresh('.');
        fresh.New("Config1", "");
        fresh.SetAllConfig(*config);
        const auto t4 = Clock::now();
        open.push_back(us(t0, t1));
        gather.push_back(us(t1, t2));
        save.push_back(us(t2, t3));
        fill.push_back(us(t3, t4));
    }
    auto median = [](std::vector<long> v) { std::sort(v.begin(), v.end()); return v[v.size() / 2]; };
    std::printf("in process, median of 21: Open %ld us, GetAllConfig %ld us, SaveAs %ld us, "
                "SetAllConfig %ld us\n",
                median(open), median(gather), median(save), median(fill));
    return 0;
}
