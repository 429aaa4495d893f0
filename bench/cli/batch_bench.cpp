// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Batch throughput of corvane-cli on generated mapping tables, and the peak
// memory it takes: the table is streamed, so a million rows need no more
// memory than a hundred thousand.
#include "answers/batch.h"
#include "answers/check.h"
#include "cli/files.h"
#include "tables.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <sys/resource.h>

namespace {

using namespace Corvane::Answers;
using Corvane::Cli::OpenedFile;
using Corvane::Cli::openFile;

// Discards what it is given, as /dev/null does, without the system calls.
class NullSink : public ByteSink {
public:
    IoResult write(const char *, std::size_t size) override { return {size, 0}; }
};

enum class Table { Mixed, Slave };

// The generated table of `rows` rows, written once per run.
const std::string &table(Table kind, long rows)
{
    static std::map<std::pair<Table, long>, std::string> paths;
    auto &path = paths[{kind, rows}];
    if (path.empty()) {
        const std::string name =
            (kind == Table::Mixed ? "corvane_batch_mixed_" : "corvane_batch_slave_") +
            std::to_string(rows) + ".csv";
        path = (std::filesystem::temp_directory_path() / name).string();
        std::ofstream out(path, std::ios::binary);
        if (kind == Table::Mixed)
            Corvane::Bench::writeMixedTable(out, rows);
        else
            Corvane::Bench::writeSlaveTable(out, rows);
    }
    return path;
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

void measure(benchmark::State &state, Table kind,
             const std::function<RunResult(InputBuffer &, Output &)> &run)
{
    const long rows = state.range(0);
    const std::string &path = table(kind, rows);
    NullSink sink;
    for (auto _ : state) {
        OpenedFile file = openFile(path);
        InputBuffer in(*file.source);
        Output out(sink);
        benchmark::DoNotOptimize(run(in, out).clean);
        out.flush();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    state.counters["peak_rss_MiB"] = peakResidentMiB();
}

void batchTable(benchmark::State &state, Table kind, BatchOutput output)
{
    measure(state, kind, [output](InputBuffer &in, Output &out) {
        return runBatch(in, out, BatchOptions{output, CellSafety::Verbatim});
    });
}

void BM_BatchMixedCsv(benchmark::State &state)
{
    batchTable(state, Table::Mixed, BatchOutput::Csv);
}
void BM_BatchMixedJsonLines(benchmark::State &state)
{
    batchTable(state, Table::Mixed, BatchOutput::JsonLines);
}
void BM_BatchSlaveCsv(benchmark::State &state)
{
    batchTable(state, Table::Slave, BatchOutput::Csv);
}
void BM_BatchSlaveJsonLines(benchmark::State &state)
{
    batchTable(state, Table::Slave, BatchOutput::JsonLines);
}
void BM_CheckSlave(benchmark::State &state)
{
    measure(state, Table::Slave,
            [](InputBuffer &in, Output &out) { return runCheck(in, out, false); });
}

// Smaller tables first: the peak only grows if a larger table needs more.
void tableSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_BatchMixedCsv)->Apply(tableSizes);
BENCHMARK(BM_BatchMixedJsonLines)->Apply(tableSizes);
BENCHMARK(BM_BatchSlaveCsv)->Apply(tableSizes);
BENCHMARK(BM_BatchSlaveJsonLines)->Apply(tableSizes);
BENCHMARK(BM_CheckSlave)->Apply(tableSizes);

} // namespace
