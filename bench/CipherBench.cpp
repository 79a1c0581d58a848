#include "language/CompiledScript.h"
#include "language/Diamond.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

std::string RandomText(std::size_t n) {
    std::mt19937 random(42);
    std::string text(n, '\0');
    for (char& c : text)
        c = static_cast<char>(' ' + random() % 95);
    return text;
}

void KeySchedule(benchmark::State& state) {
    auto cipher = std::make_unique<qv::TDiamond>();
    for (auto _ : state) {
        cipher->SetKey(qv::ScriptKey);
        benchmark::DoNotOptimize(cipher->Box(9, 15, 0));
    }
}
BENCHMARK(KeySchedule)->Unit(benchmark::kMicrosecond);

void EncipherAndEncode(benchmark::State& state) {
    const auto cipher = std::make_unique<qv::TDiamond>(qv::ScriptKey);
    const std::string plain = RandomText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::EncodeText(cipher->EncryptString(plain, 1)));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EncipherAndEncode)->Arg(4 << 10)->Arg(1 << 20);

void DecodeAndDecipher(benchmark::State& state) {
    const auto cipher = std::make_unique<qv::TDiamond>(qv::ScriptKey);
    const std::string text = qv::EncodeText(
        cipher->EncryptString(RandomText(static_cast<std::size_t>(state.range(0))), 1));
    for (auto _ : state)
        benchmark::DoNotOptimize(cipher->DecryptString(qv::DecodeText(text)));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DecodeAndDecipher)->Arg(4 << 10)->Arg(1 << 20);

void ReadCompiledScript(benchmark::State& state) {
    const auto cipher = std::make_unique<qv::TDiamond>(qv::ScriptKey);
    std::vector<std::string> lines(static_cast<std::size_t>(state.range(0)),
                                   "LOAD C:\\PROGRAM FILES\\TOOLS\\SYNC.EXE {/QUIET} [MIN]<R>");
    const std::string file = qv::CompileScriptText(lines, *cipher) + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::ReadCompiledScript(file, *cipher));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(ReadCompiledScript)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
