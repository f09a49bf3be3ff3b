// Finding the automation program "Skriptomat": the machine-wide key first (its "Path"
// value names the program's folder), else a folder derived from the program's own
// folder. Both look the program up regardless of case, so the rule also holds on
// case-sensitive file systems.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace AutomationLocator {
inline const QString InstallQuestion = QStringLiteral("Morvaks Skriptomat installieren?");
inline const QString InstallTitle = QStringLiteral("Skriptomat jetzt installieren?");
inline const QString FolderWord = QStringLiteral("MORVAK");
inline const QString FolderName = QStringLiteral("Skriptomat");
inline const QString PathValue = QStringLiteral("Path");
QUrl downloadUrl();

struct Location {
    bool found = false;
    bool fromMachineKey = false;
    // A "Path" that is no full path: it would be looked up from the working folder, where
    // anybody may have put a program of that name. Such a value is refused, not searched.
    bool pathNotAbsolute = false;
    // The program found; when not found, the path that was looked for.
    QString executable;
};

// The "Path" value when the machine-wide key "\SOFTWARE\Morvak\Skriptor" exists (empty
// when its "Settings" subkey or the value is missing); std::nullopt without the key.
std::optional<QString> machinePath();

// Where the machine-wide "Path" is set, as a user finds it: the settings file, on
// Windows the registry key.
QString machineSettingsName();

// In `folder`: "Skriptomat.exe" or "skriptomat", in any case; empty when neither exists.
QString executableIn(const QString &folder);
// The folder rule: the program folder cut after its first folder named "Morvak" (in any
// case, the real spelling kept), or the whole program folder without such a folder;
// "Skriptomat" is appended to that. A name that only contains the word ("xMorvakY") is
// no such folder.
QString ruleFolder(const QString &programFolder);

// With a machine path the folder rule is not tried, even when the program is missing there.
Location locate(const std::optional<QString> &machinePath, const QString &programFolder);
// Reads the machine-wide key itself.
Location locate(const QString &programFolder);
} // namespace AutomationLocator
