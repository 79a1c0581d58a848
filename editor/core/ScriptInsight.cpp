#include "editor/core/ScriptInsight.h"

#include "interpreter/logic/ScriptCheck.h"
#include "interpreter/whatif/WhatIf.h"
#include "language/CompiledScript.h"
#include "language/Diamond.h"

#include <sstream>

namespace qv::editor {

std::string ProblemListText(const ScriptProblem& problem) {
    return "Line " + std::to_string(problem.line) + ": " + problem.message + ": '" + problem.text +
           "'";
}

const ScriptChecker::Verdict* ScriptChecker::Lookup(const std::string& line) {
    auto found = known_.find(line);
    if (found == known_.end())
        found = known_.emplace(line, CheckScriptLine(line)).first;
    return &found->second;
}

bool ScriptChecker::Check(const ScriptDocument& document) {
    const auto& rows = document.Rows();
    const std::size_t commands = document.CommandCount();
    const std::vector<std::string> block = document.MenuBlock();
    // Lines that are gone are forgotten once they outnumber the script's own; the verdicts kept
    // are pointed to, so they are all checked afresh then.
    const bool forget = known_.size() > 2 * (commands + block.size()) + 1024;
    if (forget)
        known_.clear();
    std::vector<const Verdict*> blockVerdicts;
    for (const std::string& line : block)
        blockVerdicts.push_back(Lookup(line));
    bool changed = forget || rows_.size() != commands || blockVerdicts != block_;
    std::size_t count = 0;
    rows_.resize(commands);
    for (std::size_t i = 0; i < commands; ++i) {
        const Verdict* verdict = Lookup(rows[i].Command);
        // Equal verdicts of different lines still differ: the window redraws the row.
        changed = changed || verdict != rows_[i];
        rows_[i] = verdict;
        count += verdict->has_value() ? 1 : 0;
    }
    for (const Verdict* verdict : blockVerdicts)
        count += verdict->has_value() ? 1 : 0;
    block_ = std::move(blockVerdicts);
    problemCount_ = count;
    return changed;
}

const std::string* ScriptChecker::RowProblem(std::size_t index) const {
    if (index >= rows_.size() || !rows_[index]->has_value())
        return nullptr;
    return &**rows_[index];
}

std::vector<ScriptProblem> ScriptChecker::Problems(const ScriptDocument& document) const {
    std::vector<ScriptProblem> problems;
    const std::vector<std::string> block = document.MenuBlock();
    for (std::size_t i = 0; i < block_.size() && i < block.size(); ++i)
        if (block_[i]->has_value())
            problems.push_back({static_cast<int>(i + 1), -1, **block_[i], block[i]});
    const auto& rows = document.Rows();
    for (std::size_t i = 0; i < rows_.size() && i < rows.size(); ++i)
        if (rows_[i]->has_value())
            problems.push_back({static_cast<int>(block.size() + i + 1), static_cast<int>(i),
                                **rows_[i], rows[i].Command});
    return problems;
}

WhatIfFields WhatIfDefaults(const interp::DateTime& now, std::string user, std::string computer) {
    WhatIfFields fields;
    fields.moment = whatif::FormatMoment(now);
    fields.user = std::move(user);
    fields.computer = std::move(computer);
    return fields;
}

std::optional<std::string> CheckWhatIfFields(const WhatIfFields& fields) {
    if (!whatif::ParseMoment(fields.moment))
        return "The date and time are written as YYYY-MM-DD HH:MM, for example 2026-03-02 07:59, "
               "and name a day that exists.";
    if (fields.answer < 0 || fields.answer >= static_cast<int>(WhatIfAnswers.size()))
        return "Choose the answer to the prompts: Yes, No or Cancel.";
    if (fields.menuEntry < 0 || fields.menuEntry > WhatIfMenuEntries)
        return "Choose the menu's own entry or an entry from 1 to 9.";
    return std::nullopt;
}

std::string WhatIfReport(const ScriptDocument& document, const WhatIfFields& fields,
                         bool thisMachinesRunOnceRecords) {
    static constexpr int Answers[] = {interp::IdYes, interp::IdNo, interp::IdCancel};
    whatif::Options options;
    options.script = CompiledPathFor(document.State().CurrentFile);
    options.at = whatif::ParseMoment(fields.moment).value_or(interp::DateTime{});
    options.user = fields.user;
    options.computer = fields.computer;
    options.answer = Answers[static_cast<std::size_t>(fields.answer) % std::size(Answers)];
    if (fields.menuEntry > 0)
        options.menuEntry = fields.menuEntry;
    if (thisMachinesRunOnceRecords)
        whatif::ReadRunOnceWhereTheInterpreterKeepsIt(options);
    std::string source;
    for (const std::string& line : document.TextAsSaved())
        source += line + "\r\n";
    options.scriptBytes = CompiledFileBytes(source, TDiamond(ScriptKey));
    std::ostringstream out;
    const std::string report = whatif::RunWhatIf(options, out);
    return out.str() + report;
}

} // namespace qv::editor
