#include "tools/qvtool/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

namespace fs = std::filesystem;

// Each NAME.qvs in tests/golden is compiled; what `qvtool decompile` prints for it is
// NAME.decompiled.txt and what `qvtool run` prints (each command, then the Error Log text the
// interpreter would show) is NAME.run.txt. "%DIR%" stands for the folder the scripts are
// compiled into, in the sources and in the outputs. QV_UPDATE_GOLDEN=1 rewrites the outputs, so
// that a change in what the tools print shows as a diff of the committed files.
const fs::path GoldenDir = QV_GOLDEN_DIR;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class Golden : public ::testing::Test {
  protected:
    void SetUp() override {
        work = fs::temp_directory_path() / "qvtool-golden";
        fs::remove_all(work);
        fs::create_directories(work);
        for (const fs::directory_entry& entry : fs::directory_iterator(GoldenDir))
            if (entry.path().extension() == ".qvs")
                names.push_back(entry.path().stem().string());
        std::sort(names.begin(), names.end());
        // Every script is compiled first: the scripts call each other.
        for (const std::string& name : names) {
            const std::string source = Path(name + ".qvs");
            std::ofstream(source, std::ios::binary)
                << Replaced(ReadText(GoldenDir / (name + ".qvs")), "%DIR%", work.string());
            std::ostringstream out, err;
            ASSERT_EQ(RunQvTool({"compile", source}, out, err), ExitOk) << err.str();
        }
    }
    void TearDown() override { fs::remove_all(work); }

    // A file in the work folder, joined with "/" as the golden sources join theirs, so that the
    // outputs read alike on Windows.
    std::string Path(const std::string& file) const { return work.string() + "/" + file; }

    std::string Tool(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        RunQvTool(args, out, err);
        return Replaced(out.str() + err.str(), work.string(), "%DIR%");
    }

    void Compare(const std::string& name, const std::string& kind, const std::string& actual) {
        const fs::path expected = GoldenDir / (name + "." + kind + ".txt");
        const char* update = std::getenv("QV_UPDATE_GOLDEN");
        if (update != nullptr && std::string(update) == "1")
            std::ofstream(expected, std::ios::binary) << actual;
        EXPECT_TRUE(fs::exists(expected)) << expected;
        EXPECT_EQ(actual, ReadText(expected)) << name << "." << kind;
    }

    fs::path work;
    std::vector<std::string> names;
};

TEST_F(Golden, DecompiledTextAndWhatIfRunMatchTheCommittedFiles) {
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        const std::string compiled = Path(name + ".qvc");
        Compare(name, "decompiled", Tool({"decompile", compiled}));
        // A Monday in the morning, with fixed names, so that every run decides alike.
        Compare(name, "run",
                Tool({"run", compiled, "--at", "2026-12-07 10:00", "--user", "alice", "--computer",
                      "PC1"}));
    }
}

} // namespace
} // namespace qv
