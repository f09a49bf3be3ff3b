// "Tipp abgeben" and the click-script hand-off: the sheet is stored as a dated tip file
// in "Tipps" (`OnlineTipCommand`), then `Scriptstart` finds the automation program,
// lets the user choose a click script and its parameters in `XRTForm`, refreshes the
// script from the maker's service, fills it from the tip file and starts the program
// with it.
#pragma once

#include "output/script_refresh.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class DesktopShell;
class HttpClient;
class MessageTable;
class ProgramDirectory;
class ScriptDialog;
class SettingsSource;
class SettingsStore;
class SharedFileDialog;
class StatusPanels;
class TipSheetPage;
class UserDialogs;
class WindowDates;

struct HandoffWiring {
    TipSheetPage &sheet;
    ScriptDialog &dialog;
    WindowDates &dates;
    const ProgramDirectory &directory;
    UserDialogs &dialogs;
    DesktopShell &shell;
    HttpClient &http;
    const SettingsSource &settings; // CheckBox1, CheckBox2, CheckBox3 for the script
    SharedFileDialog &saveDialog; // hands the tip file's path to Scriptstart
    StatusPanels &status;
    const MessageTable &messages;
    // Opens (creating when missing) the current user's key of the script parameters.
    std::function<std::unique_ptr<SettingsStore>()> openScriptSettings;
};

class HandoffController : public QObject {
    Q_OBJECT
public:
    explicit HandoffController(HandoffWiring wiring, QObject *parent = nullptr);

    // Writes the sheet to "Tipps/<end date + 7 days>.hlt" and starts the hand-off.
    void onlineTip();
    // The hand-off of the tip file named by the shared save dialog.
    void scriptstart();

    // The longest OK waits for the script service.
    void setRefreshTimeout(int milliseconds) { m_refreshTimeoutMs = milliseconds; }
    // How the last refresh ended, for the tests.
    ScriptRefresh::Outcome lastRefresh() const { return m_lastRefresh; }

private:
    void browse();
    void refreshChosenScript();

    HandoffWiring m_wiring;
    int m_refreshTimeoutMs = ScriptRefresh::DefaultTimeoutMs;
    ScriptRefresh::Outcome m_lastRefresh = ScriptRefresh::Outcome::Unchanged;
};
