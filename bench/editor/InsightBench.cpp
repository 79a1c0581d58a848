// The checks made while a script is written, on 5,000 rows that all differ: the first check of
// a freshly opened script, and the check after one row changed, which runs at every edit.
#include "FakeDocumentHost.h"
#include "editor/core/ScriptDocument.h"
#include "editor/core/ScriptInsight.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using qv::editor::ScriptChecker;
using qv::editor::ScriptDocument;
using qv::editor::testing::FakeDocumentHost;

constexpr int ScriptLines = 5000;
const std::string ScriptPath = "C:\\WINDOWS\\long.qvs";

std::vector<std::string> DistinctScript() {
    const char* const kinds[] = {
        "LOAD C:\\Apps\\App%.exe {-q} [min] <R15> (08001230)",
        "WAIT %",
        "COPY C:\\Data\\%\\*.* > D:\\Backup\\ /ON",
        "CONNECT {X:} [\\\\server\\share%]",
        "SENDKEYS {ENTER}%",
        "RUN C:\\Scripts\\Net%.qvc",
        "something unknown %",
    };
    std::vector<std::string> lines;
    lines.reserve(ScriptLines);
    for (int i = 0; i < ScriptLines; ++i) {
        std::string line = kinds[i % std::size(kinds)];
        line.replace(line.find('%'), 1, std::to_string(i));
        lines.push_back(std::move(line));
    }
    return lines;
}

void BM_CheckOpened5000(benchmark::State& state) {
    FakeDocumentHost host;
    host.AddLines(ScriptPath, DistinctScript());
    ScriptDocument doc(host.Ports());
    doc.LoadScript(ScriptPath);
    for (auto _ : state) {
        ScriptChecker checker;
        benchmark::DoNotOptimize(checker.Check(doc));
    }
    state.SetItemsProcessed(state.iterations() * ScriptLines);
}
BENCHMARK(BM_CheckOpened5000)->Unit(benchmark::kMillisecond);

void BM_CheckAfterOneEdit5000(benchmark::State& state) {
    FakeDocumentHost host;
    host.AddLines(ScriptPath, DistinctScript());
    ScriptDocument doc(host.Ports());
    doc.LoadScript(ScriptPath);
    ScriptChecker checker;
    checker.Check(doc);
    int edit = 0;
    for (auto _ : state) {
        // A row typed anew each time, as a user's edit brings a line not seen before.
        state.PauseTiming();
        doc.SetFocusedRow(2500);
        doc.SetRowSelected(2500, true);
        doc.Delete();
        doc.SetFocusedRow(2500);
        doc.AddLine("WAIT " + std::to_string(100000 + edit++));
        state.ResumeTiming();
        benchmark::DoNotOptimize(checker.Check(doc));
    }
    state.SetItemsProcessed(state.iterations() * ScriptLines);
}
BENCHMARK(BM_CheckAfterOneEdit5000)->Unit(benchmark::kMicrosecond);

} // namespace
