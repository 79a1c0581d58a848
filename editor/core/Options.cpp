#include "editor/core/Options.h"

#include "editor/core/RunValues.h"
#include "language/Text.h"

namespace qv::editor {

namespace {

bool HasText(RegistryPort& registry, std::string_view name) {
    const auto value = registry.ReadText(MachineRunKey(), std::string(name));
    return value && !value->text.empty();
}

} // namespace

OptionsModel::OptionsModel(InstallPorts ports, OptionsFields fields)
    : ports_(ports), fields_(fields) {
    if (const std::optional<bool> win98 = ReadTitleShading(ports_.registry))
        fields_.win98 = *win98;
    fields_.addInAutoLoad = HasText(ports_.registry, AddInRunValue);
    fields_.autoLoad = HasText(ports_.registry, InterpreterRunValue);
}

void OptionsModel::AddRunValue(std::vector<InstallEffect>& effects, std::string_view name,
                               std::string_view fileName, bool wanted) {
    const RegistryKey key = MachineRunKey();
    const auto current = ports_.registry.ReadText(key, std::string(name));
    if (!wanted) {
        if (current)
            effects.push_back(DeleteValueEffect(key, std::string(name)));
        return;
    }
    const RegistryText data{RunValueData(ports_.system, fileName), false};
    if (!current || *current != data)
        effects.push_back(WriteTextEffect(key, std::string(name), data));
}

std::vector<InstallEffect> OptionsModel::OkEffects() {
    std::vector<InstallEffect> effects;
    AddRunValue(effects, AddInRunValue, AddInFileName, fields_.addInAutoLoad);
    effects.push_back(
        WriteIntegerEffect(EditorKey(), std::string(Win98Setting), fields_.win98 ? 1 : 0));
    AddRunValue(effects, InterpreterRunValue, InterpreterFileName, fields_.autoLoad);
    return effects;
}

std::vector<EffectFailure> OptionsModel::Ok() {
    return CarryOut(OkEffects(), ports_);
}

std::string OptionsModel::FailureText(const std::vector<EffectFailure>& failures) {
    return FailureReport(SettingsNotStoredText, failures);
}

void OptionsModel::ClearList(ScriptDocument& document) {
    document.SetRecentFiles({});
    clearListEnabled_ = false;
}

std::optional<std::string> OptionsModel::AddInToStart(bool addInWindowExists) {
    if (addInWindowExists)
        return std::nullopt;
    return LowerCase(ports_.system.ProgramFolder() + std::string(AddInFileName));
}

AddInButtons OptionsModel::ButtonsFor(bool addInWindowExists) {
    return {!addInWindowExists, addInWindowExists};
}

bool StartupTitleShading(RegistryPort& registry) {
    if (const std::optional<bool> shaded = ReadTitleShading(registry))
        return *shaded;
    registry.WriteInteger(EditorKey(), std::string(Win98Setting), 1);
    return true;
}

std::optional<bool> ReadTitleShading(RegistryPort& registry) {
    const auto value = registry.ReadInteger(EditorKey(), std::string(Win98Setting));
    if (!value)
        return std::nullopt;
    return *value != 0;
}

} // namespace qv::editor
