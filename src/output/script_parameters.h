// The click-script dialog's five values: the chosen script and four free parameters,
// kept as strings under "\SOFTWARE\Morvak\Skriptor" of the current user and passed on
// the automation program's command line as they are.
#pragma once

#include "app/settings_store.h"

#include <QString>

struct ScriptParameters {
    QString script; // LabeledEdit1, "MegaLottoScript"
    QString zahl1; // LabeledEdit2, "MegaLottoZahl1"
    QString text1; // LabeledEdit4, "MegaLottoText1"
    QString zahl2; // LabeledEdit3, "MegaLottoZahl2"
    QString text2; // LabeledEdit5, "MegaLottoText2"

    // What closing the dialog does, with either button: an empty ZAHL becomes "0".
    ScriptParameters withNumberDefaults() const;

    // A missing value, or one that is not a string, reads as the empty text.
    static ScriptParameters read(const SettingsStore &store);
    void write(SettingsStore &store) const;
    // The current user's key, created when missing.
    static ScriptParameters readStored();
    Result<void> store() const;

    friend bool operator==(const ScriptParameters &, const ScriptParameters &) = default;
};

namespace ScriptParameterNames {
inline const QString Script = QStringLiteral("MegaLottoScript");
inline const QString Zahl1 = QStringLiteral("MegaLottoZahl1");
inline const QString Text1 = QStringLiteral("MegaLottoText1");
inline const QString Zahl2 = QStringLiteral("MegaLottoZahl2");
inline const QString Text2 = QStringLiteral("MegaLottoText2");
} // namespace ScriptParameterNames
