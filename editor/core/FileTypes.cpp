#include "editor/core/FileTypes.h"

#include "editor/core/RunValues.h"
#include "interpreter/logic/OpsPaths.h"
#include "language/Text.h"

namespace qv::editor {

namespace {

struct FileType {
    std::string_view progId;
    std::string_view extension;
    std::string_view description;
};

constexpr FileType ScriptType{"qvlite_qvs", ".qvs", "Quorvel Script"};
constexpr FileType CompiledType{"qvlite_qvc", ".qvc", "Quorvel Compile"};

std::string OpenCommand(const std::string& program) {
    return "\"" + program + "\" \"%1\"";
}

RegistryKey ClassesKey(std::string path) {
    return {RegistryRoot::ClassesRoot, std::move(path)};
}

std::string CommandKeyOf(const FileType& type) {
    return std::string(type.progId) + "\\shell\\Open\\Command";
}

void AddRemoval(std::vector<InstallEffect>& effects, RegistryPort& registry, const FileType& type,
                const std::string& program) {
    const auto command = registry.ReadText(ClassesKey(CommandKeyOf(type)), "");
    if (!command || UpperCase(Trim(command->text)) != UpperCase(OpenCommand(program)))
        return;
    effects.push_back(
        KeyEffect(InstallEffect::Kind::DeleteTree, ClassesKey(std::string(type.progId))));
    const RegistryKey extension = ClassesKey(std::string(type.extension));
    const auto points = registry.ReadText(extension, "");
    if (!points || UpperCase(Trim(points->text)) != UpperCase(type.progId))
        return;
    effects.push_back(DeleteValueEffect(extension, ""));
    effects.push_back(KeyEffect(InstallEffect::Kind::DeleteKeyIfEmpty, extension));
}

} // namespace

std::vector<FileTypeKey> FileTypeKeys(std::string_view editorPath) {
    const std::string editor(editorPath);
    const std::string interpreter =
        logic::ExtractFilePath(editorPath) + std::string(InterpreterFileName);
    return {
        {std::string(ScriptType.progId), std::string(ScriptType.description)},
        {std::string(ScriptType.progId) + "\\DefaultIcon", editor + ",26"},
        {CommandKeyOf(ScriptType), OpenCommand(editor)},
        {std::string(ScriptType.extension), std::string(ScriptType.progId)},
        {std::string(CompiledType.progId), std::string(CompiledType.description)},
        {std::string(CompiledType.progId) + "\\DefaultIcon", interpreter + ",1"},
        {CommandKeyOf(CompiledType), OpenCommand(interpreter)},
        {std::string(CompiledType.extension), std::string(CompiledType.progId)},
    };
}

std::vector<InstallEffect> FileTypeEffects(std::string_view editorPath) {
    std::vector<InstallEffect> effects;
    for (const FileTypeKey& key : FileTypeKeys(editorPath))
        effects.push_back(WriteTextEffect(ClassesKey(key.path), "", {key.value, false}));
    effects.push_back(FileEffect(InstallEffect::Kind::AssociationsChanged, ""));
    return effects;
}

FileTypesOutcome SetFileTypes(InstallPorts ports, bool installStart) {
    FileTypesOutcome outcome;
    outcome.failures = CarryOut(FileTypeEffects(ports.system.ProgramPath()), ports);
    if (installStart)
        return outcome;
    if (outcome.failures.empty()) {
        outcome.message = AssociationsSetText;
        return outcome;
    }
    outcome.error = true;
    outcome.message = FailureReport(AssociationsFailedText, outcome.failures);
    return outcome;
}

std::vector<InstallEffect> FileTypeRemovalEffects(RegistryPort& registry,
                                                  std::string_view editorPath) {
    std::vector<InstallEffect> effects;
    AddRemoval(effects, registry, ScriptType, std::string(editorPath));
    AddRemoval(effects, registry, CompiledType,
               logic::ExtractFilePath(editorPath) + std::string(InterpreterFileName));
    return effects;
}

} // namespace qv::editor
