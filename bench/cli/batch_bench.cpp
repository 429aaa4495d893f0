// Batch throughput of corvane-cli on a generated mapping table, and the peak
// memory it takes: the table is streamed, so a million rows need no more
// memory than a hundred thousand.
#include "cli/batch.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/resource.h>

namespace {

using Corvane::Cli::BatchOutput;
using Corvane::Cli::runBatch;

// Rows of every kind a commissioning table holds: word and bit addresses onto
// registers and coils, master rows of both PLC types with texts and number
// shortcuts, quoted fields, refusals, and now and then a broken row.
void writeRow(std::ofstream &out, long i)
{
    switch (i % 8) {
    case 0:
        out << "slave,N7:" << i % 1000 << '/' << i % 16 << ',' << 40001 + i % 9000 << ','
            << 1 + i % 50 << ",,,,,,,,first shift\r\n";
        break;
    case 1:
        out << "slave,B3/" << i % 5000 << ',' << 1 + i % 9000 << ",16,,,,,,,,\r\n";
        break;
    case 2:
        out << "slave,F8:" << i % 100 << ",30001,2,,,,,,,,\"pump 3, flow\"\r\n";
        break;
    case 3:
        out << "master,,,,5,NXYZ:Z,,03,," << 1 + i % 9999 << ',' << 1 + i % 9 << ",\r\n";
        break;
    case 4:
        out << "master,,,,3,,,\" 16 - Pre-set Multiple Registers  (4X)\",," << 1 + i % 9999 << ','
            << i % 256 << ",\r\n";
        break;
    case 5:
        out << "master,,,,5,NYXZ:Z,read,15,," << 1 + i % 9999 << ',' << 1 + i % 3 << ",\r\n";
        break;
    case 6:
        out << "slave,I:" << i % 100 << "/17," << 1 + i % 20000 << ",8,,,,,,,,\r\n";
        break;
    default:
        if (i % 1000 == 7)
            out << "broken,row\r\n";
        else
            out << "slave,X17:0,40001,1,,,,,,,,\"note with \"\"quotes\"\"\"\r\n";
        break;
    }
}

// The generated table of `rows` rows, written once per run.
const std::string &table(long rows)
{
    static std::map<long, std::string> paths;
    auto &path = paths[rows];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("corvane_batch_" + std::to_string(rows) + ".csv"))
                   .string();
        std::ofstream out(path, std::ios::binary);
        out << "mode,address,start,count,plc,format,message_type,command,subfunction,register,"
               "slave,note\r\n";
        for (long i = 0; i < rows; ++i)
            writeRow(out, i);
    }
    return path;
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

void batchTable(benchmark::State &state, BatchOutput output)
{
    const long rows = state.range(0);
    const std::string &path = table(rows);
    std::ofstream sink("/dev/null", std::ios::binary);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        benchmark::DoNotOptimize(runBatch(in, sink, output));
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    state.counters["peak_rss_MiB"] = peakResidentMiB();
}

void BM_BatchCsv(benchmark::State &state) { batchTable(state, BatchOutput::Csv); }
void BM_BatchJsonLines(benchmark::State &state) { batchTable(state, BatchOutput::JsonLines); }

// Smaller tables first: the peak only grows if a larger table needs more.
BENCHMARK(BM_BatchCsv)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchJsonLines)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
