// The document's two whole-script operations on a long script, with the in-memory fake host:
// LoadScript of 5,000 lines and one RefreshLines over 5,000 rows.
#include "FakeDocumentHost.h"
#include "editor/core/ScriptDocument.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using qv::editor::ScriptDocument;
using qv::editor::testing::FakeDocumentHost;

constexpr int ScriptLines = 5000;
const std::string ScriptPath = "C:\\WINDOWS\\long.qvs";

// A mix of every kind of row, LOAD lines with and without existing programs and shortcuts.
std::vector<std::string> LongScript() {
    const char* const kinds[] = {
        "LOAD C:\\Program Files (x86)\\App\\App.exe {-q} [min] <R15> (08001230)",
        "LOAD C:\\Missing\\Tool.exe",
        "LOAD C:\\Links\\Mail.lnk",
        "WAIT 5.0",
        "COPY C:\\Data\\*.* > D:\\Backup\\ /ON",
        "CONNECT {X:} [\\\\server\\share]",
        "ENABLE F5, F8, QUIT",
        "DATE TODAY",
        "RUN C:\\Scripts\\Net.qvc",
        "something unknown",
    };
    std::vector<std::string> lines;
    lines.reserve(ScriptLines);
    for (int i = 0; i < ScriptLines; ++i)
        lines.emplace_back(kinds[i % std::size(kinds)]);
    return lines;
}

void PrepareHost(FakeDocumentHost& host) {
    host.AddFile("C:\\Program Files (x86)\\App\\App.exe", "");
    host.AddFile("C:\\Apps\\Mail.exe", "");
    host.shortcuts[FakeDocumentHost::Key("C:\\Links\\Mail.lnk")] = {"C:\\Apps\\Mail.exe", "", 0};
    host.AddLines(ScriptPath, LongScript());
}

void BM_LoadScript5000(benchmark::State& state) {
    FakeDocumentHost host;
    PrepareHost(host);
    ScriptDocument doc(host.Ports());
    for (auto _ : state) {
        doc.LoadScript(ScriptPath);
        benchmark::DoNotOptimize(doc.Rows().data());
    }
    state.SetItemsProcessed(state.iterations() * ScriptLines);
}
BENCHMARK(BM_LoadScript5000)->Unit(benchmark::kMillisecond);

void BM_RefreshLines5000(benchmark::State& state) {
    FakeDocumentHost host;
    PrepareHost(host);
    ScriptDocument doc(host.Ports());
    doc.LoadScript(ScriptPath);
    for (auto _ : state) {
        doc.RefreshLines();
        benchmark::DoNotOptimize(doc.Rows().data());
    }
    state.SetItemsProcessed(state.iterations() * ScriptLines);
}
BENCHMARK(BM_RefreshLines5000)->Unit(benchmark::kMicrosecond);

} // namespace
