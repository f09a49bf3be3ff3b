// The text format of the Windows registry editor's export, as used for the settings
// files off Windows: a version line, a section header per key and one line per value.
#pragma once

#include "app/result.h"
#include "app/settings_store.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace RegFile {
// The key's parts without empty ones: "\SOFTWARE\Morvak\" gives SOFTWARE and Morvak.
QStringList keyComponents(const QString &keyPath);
// "HKEY_CURRENT_USER\SOFTWARE\Morvak\DevuDirurero" for the key "\SOFTWARE\Morvak\DevuDirurero".
QString sectionName(SettingsLocation::Scope scope, const QString &keyPath);

// Reads the values of `section` into `into`. Tolerant: accepts UTF-8 with or without
// byte-order mark and UTF-16 with one, CR LF or LF, continued hex lines; skips comments,
// default values, unknown types and damaged lines. A file without any section header
// counts as the section itself.
void parse(const QByteArray &bytes, const QString &section, SettingsStore &into);

// The whole file for `values` in their order: UTF-8 without byte-order mark, CR LF.
// Fails for a value name that cannot stand on one line.
Result<QByteArray> format(const QString &section, const SettingsStore &values);
} // namespace RegFile
