#include "tools/qvtool/Commands.h"

#include "interpreter/core/Host.h"
#include "interpreter/logic/ScriptCheck.h"
#include "interpreter/whatif/WhatIf.h"
#include "language/CompiledScript.h"
#include "language/Diamond.h"
#include "language/Text.h"

#include <memory>
#include <ostream>

namespace qv {

namespace {

constexpr const char* Usage = "usage: qvtool compile SRC [-o OUT]\n"
                              "       qvtool decompile FILE\n"
                              "       qvtool check SRC\n"
                              "       qvtool run FILE [--dry-run] [--at \"YYYY-MM-DD HH:MM\"] "
                              "[--user NAME]\n"
                              "                  [--computer NAME] [--answer yes|no|cancel] "
                              "[--menu N] [--ini PATH]\n";

int UsageError(std::ostream& err, const std::string& what) {
    err << "qvtool: " << what << "\n" << Usage;
    return ExitUsage;
}

std::unique_ptr<TDiamond> ScriptCipher() {
    return std::make_unique<TDiamond>(ScriptKey);
}

int Compile(const std::vector<std::string>& args, std::ostream& err) {
    std::string source, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size())
                return UsageError(err, "-o needs a file name");
            if (!output.empty())
                return UsageError(err, "-o given twice");
            output = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError(err, "unknown option " + args[i]);
        } else if (source.empty()) {
            source = args[i];
        } else {
            return UsageError(err, "compile takes one source file");
        }
    }
    if (source.empty())
        return UsageError(err, "compile needs a source file");
    if (output.empty())
        output = CompiledPathFor(source);

    std::string bytes;
    if (FileResult read = ReadWholeFile(source, bytes); !read.ok) {
        err << "qvtool: " << read.error << "\n";
        return ExitNoInput;
    }
    const auto cipher = ScriptCipher();
    const std::string text = CompiledFileBytes(bytes, *cipher);
    if (FileResult written = ReplaceFileAtomically(output, text); !written.ok) {
        err << "qvtool: " << written.error << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}

int OneFileArgument(const std::vector<std::string>& args, const char* command, std::string& file,
                    std::ostream& err) {
    for (const std::string& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return UsageError(err, "unknown option " + arg);
    if (args.size() != 1)
        return UsageError(err, std::string(command) + " takes one file");
    file = args[0];
    return ExitOk;
}

int Decompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file, bytes;
    if (int rc = OneFileArgument(args, "decompile", file, err); rc != ExitOk)
        return rc;
    if (FileResult read = ReadWholeFile(file, bytes); !read.ok) {
        err << "qvtool: " << read.error << "\n";
        return ExitNoInput;
    }
    const ReadResult result = ReadCompiledScript(bytes, *ScriptCipher());
    if (result.status == ReadResult::Status::Invalid) {
        err << "qvtool: " << file << " is not a valid compiled script\n";
        return ExitInvalidFile;
    }
    if (result.status == ReadResult::Status::NewerVersion) {
        err << NewerVersionMessage << "\n";
        return ExitNewerVersion;
    }
    // Elements 1 on; the final element is the text after the last separator, empty as written.
    std::size_t end = result.lines.size();
    if (end > 1 && result.lines.back().empty())
        --end;
    for (std::size_t i = 1; i < end; ++i)
        out << result.lines[i] << "\n";
    return ExitOk;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file, bytes;
    if (int rc = OneFileArgument(args, "check", file, err); rc != ExitOk)
        return rc;
    if (FileResult read = ReadWholeFile(file, bytes); !read.ok) {
        err << "qvtool: " << read.error << "\n";
        return ExitNoInput;
    }
    const std::vector<LineProblem> problems = CheckScriptSource(SplitLines(bytes));
    for (const LineProblem& problem : problems)
        out << file << ":" << problem.line << ": " << problem.message << "\n";
    return problems.empty() ? ExitOk : ExitProblems;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    whatif::Options options;
    options.at = whatif::LocalNow();
    bool haveScript = false;
    std::optional<std::string> ini;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--at" || arg == "--user" || arg == "--computer" ||
                                arg == "--answer" || arg == "--menu" || arg == "--ini";
        if (takesValue && i + 1 >= args.size())
            return UsageError(err, arg + " needs a value");
        if (arg == "--dry-run") {
            // Every run of qvtool is a dry run; the switch says so explicitly.
        } else if (arg == "--at") {
            const std::optional<interp::DateTime> at = whatif::ParseMoment(args[++i]);
            if (!at)
                return UsageError(err, "--at takes \"YYYY-MM-DD HH:MM\", not " + args[i]);
            options.at = *at;
        } else if (arg == "--user") {
            options.user = args[++i];
        } else if (arg == "--computer") {
            options.computer = args[++i];
        } else if (arg == "--answer") {
            const std::string answer = LowerCase(args[++i]);
            if (answer == "yes")
                options.answer = interp::IdYes;
            else if (answer == "no")
                options.answer = interp::IdNo;
            else if (answer == "cancel")
                options.answer = interp::IdCancel;
            else
                return UsageError(err, "--answer takes yes, no or cancel");
        } else if (arg == "--menu") {
            const std::string& n = args[++i];
            if (n.size() != 1 || n[0] < '1' || n[0] > '9')
                return UsageError(err, "--menu takes an entry number from 1 to 9");
            options.menuEntry = n[0] - '0';
        } else if (arg == "--ini") {
            ini = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option " + arg);
        } else if (!haveScript) {
            options.script = arg;
            haveScript = true;
        } else {
            return UsageError(err, "run takes one compiled script");
        }
    }
    if (!haveScript)
        return UsageError(err, "run needs a compiled script");
    if (ini)
        options.windowsIni = *ini;
    else
        whatif::ReadRunOnceWhereTheInterpreterKeepsIt(options);
    std::string bytes;
    if (FileResult read = ReadWholeFile(options.script, bytes); !read.ok) {
        err << "qvtool: " << read.error << "\n";
        return ExitNoInput;
    }
    const std::string report = whatif::RunWhatIf(options, out);
    if (!report.empty())
        out << report;
    return report.empty() ? ExitOk : ExitProblems;
}

} // namespace

int RunQvTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return UsageError(err, "no command");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "-h" || command == "--help" || command == "help") {
        out << Usage;
        return ExitOk;
    }
    if (command == "compile")
        return Compile(rest, err);
    if (command == "decompile")
        return Decompile(rest, out, err);
    if (command == "check")
        return Check(rest, out, err);
    if (command == "run")
        return Run(rest, out, err);
    return UsageError(err, "unknown command " + command);
}

} // namespace qv
