#include "bench_setup.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace bench {

bool initializeBenchmarks(int argc, char** argv) {
    std::vector<char*> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregatesOnly.data());
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}

std::optional<palette::LoadedCodeSystem> shippedCodeSystem() {
    palette::LoadResult loaded =
        palette::chooseCodeSystem(TESSALY_CFG_DIR, palette::loadShippedSettings(TESSALY_CFG_DIR), kCodeSystem);
    if (!loaded.message.empty()) {
        std::fprintf(stderr, "%s: %s\n", TESSALY_CFG_DIR, loaded.message.c_str());
        return std::nullopt;
    }
    return std::move(loaded.system);
}

}  // namespace bench
