// The settings store on Windows: keys of the registry under HKEY_CURRENT_USER and
// (read only) HKEY_LOCAL_MACHINE. Only built on Windows.
#pragma once

#include "app/settings_store.h"

#include <memory>

namespace WinRegistry {
std::unique_ptr<SettingsStore> open(SettingsLocation::Scope scope, const QString &keyPath, bool create);
bool exists(SettingsLocation::Scope scope, const QString &keyPath);
} // namespace WinRegistry
