#pragma once
// One step that the installation or the uninstaller takes on the machine, as data: the models
// list their steps in order, CarryOut performs them through the ports, and every failure is
// recorded while the rest goes on.
#include "editor/core/InstallPorts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::editor {

struct InstallEffect {
    enum class Kind {
        WriteText,           // key, name, value
        WriteInteger,        // key, name, number
        DeleteValue,         // key, name
        DeleteTree,          // key
        DeleteKeyIfEmpty,    // key
        CopyFile,            // path to target, replacing
        CreateShortcut,      // target in the shell folder path, with the description
        AssociationsChanged, // tell the shell
        RemoveFile,          // path
        RemoveTree,          // path
        RemoveFolderIfEmpty, // path
        RemoveAfterExit,     // path
    };
    Kind kind = Kind::WriteText;
    RegistryKey key;
    std::string name;
    RegistryText value;
    std::uint32_t number = 0;
    std::string path;
    std::string target;
    std::string description;

    friend bool operator==(const InstallEffect&, const InstallEffect&) = default;
};

InstallEffect WriteTextEffect(RegistryKey key, std::string name, RegistryText value);
InstallEffect WriteIntegerEffect(RegistryKey key, std::string name, std::uint32_t number);
InstallEffect DeleteValueEffect(RegistryKey key, std::string name);
InstallEffect KeyEffect(InstallEffect::Kind kind, RegistryKey key);
InstallEffect FileEffect(InstallEffect::Kind kind, std::string path);
InstallEffect CopyFileEffect(std::string source, std::string target);
InstallEffect ShortcutEffect(std::string folderSpec, std::string description, std::string target);

// One line for the user: what the step does, e.g. "write "qvrun" in
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run".
std::string DescribeEffect(const InstallEffect& effect);

// The registry key as the user knows it: "HKEY_CLASSES_ROOT\.qvs"; the 32-bit view shows its
// WOW6432Node place.
std::string KeyName(const RegistryKey& key);

struct EffectFailure {
    InstallEffect effect;
    std::string reason; // the system's message

    // "Could not " + DescribeEffect + ": " + reason.
    std::string Text() const;
};

// A message for the user: the heading, then one line per failure, and a hint to run as an
// administrator when a machine-wide key or folder was refused.
std::string FailureReport(std::string_view heading, const std::vector<EffectFailure>& failures);

inline constexpr std::string_view AdministratorHint =
    "Machine-wide settings can only be changed by a program that runs as an administrator.";

// The text, then AdministratorHint when the key is not the user's own.
std::string WithAdministratorHint(std::string text, const RegistryKey& key);

// Performs the steps in order; a failing step is recorded and the next one runs.
std::vector<EffectFailure> CarryOut(const std::vector<InstallEffect>& effects, InstallPorts ports);

} // namespace qv::editor
