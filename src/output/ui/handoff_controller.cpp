#include "output/ui/handoff_controller.h"

#include "app/clock.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "app/settings_store.h"
#include "generator/settings_source.h"
#include "output/automation_locator.h"
#include "output/click_script.h"
#include "output/online_tip.h"
#include "output/ui/script_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/platform.h"
#include "ui/shared_file_dialog.h"
#include "ui/status_panels.h"
#include "ui/wait_cursor.h"
#include "ui/window_dates.h"

#include <QFileInfo>
#include <QPushButton>

HandoffController::HandoffController(HandoffWiring wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(std::move(wiring))
{
    connect(m_wiring.sheet.onlineTipButton(), &QPushButton::clicked, this, &HandoffController::onlineTip);
    connect(m_wiring.dialog.BitBtn1, &QPushButton::clicked, this, &HandoffController::browse);
    connect(&m_wiring.dialog, &ScriptDialog::okPressed, this, &HandoffController::refreshChosenScript);
}

void HandoffController::onlineTip()
{
    const TipSheetTexts sheet = m_wiring.sheet.sheetTexts();
    if (const auto refusal = TipRows::repeatRefusal(sheet, m_wiring.messages)) {
        m_wiring.dialogs.showError(*refusal);
        return;
    }
    const auto written = OnlineTip::write(m_wiring.directory, m_wiring.dates.drawDate(), sheet);
    if (!written) {
        m_wiring.dialogs.showError(written.error());
        return;
    }
    m_wiring.saveDialog.fileName = *written;
    scriptstart();
}

void HandoffController::scriptstart()
{
    const QString tipFile = m_wiring.saveDialog.fileName;
    const AutomationLocator::Location location = AutomationLocator::locate(m_wiring.directory.path());
    if (location.pathNotAbsolute) {
        // Installing again would not mend the setting; the user needs to know which it is.
        m_wiring.dialogs.showError(m_wiring.messages.text(Msg::AutomationPathNotAbsolute)
                                       .arg(AutomationLocator::machineSettingsName(), location.executable));
        return;
    }
    if (!location.found) {
        if (m_wiring.dialogs.askYesNo(
                m_wiring.messages.text(Msg::InstallQuestion), m_wiring.messages.text(Msg::InstallTitle)))
            m_wiring.shell.open(AutomationLocator::downloadUrl().toString());
        return;
    }

    const std::unique_ptr<SettingsStore> store = m_wiring.openScriptSettings ? m_wiring.openScriptSettings() : nullptr;
    ScriptDialog &dialog = m_wiring.dialog;
    dialog.setParameters(store ? ScriptParameters::read(*store) : ScriptParameters{});
    dialog.setScriptList(ScriptList::entries(m_wiring.directory));
    if (m_wiring.dialogs.exec(dialog) != QDialog::Accepted)
        return;

    // The dialog has put "0" into empty ZAHL fields on closing.
    const ScriptParameters chosen = dialog.parameters();
    if (store) {
        chosen.write(*store);
        // Not remembering the parameters is no reason to hold back the tips.
        if (const auto saved = store->save(); !saved)
            m_wiring.dialogs.showError(saved.error());
    }
    if (!QFileInfo(chosen.script).isFile()) {
        m_wiring.status.setComposedText(0, [&messages = m_wiring.messages, script = chosen.script] {
            return messages.text(Msg::ScriptNotFound).arg(script);
        });
        return;
    }
    const ScriptOptions options = ScriptOptions::from(m_wiring.settings.generationSettings());
    const auto generated = ClickScript::build(chosen.script, tipFile, options, Clock::today(), m_wiring.messages);
    if (!generated) {
        m_wiring.dialogs.showError(generated.error());
        return;
    }
    const auto launch = AutomationCommand::launch(location.executable, generated->path, chosen);
    if (!launch) {
        m_wiring.dialogs.showError(launch.error());
        return;
    }
    if (!m_wiring.shell.startProgram(launch->program, launch->arguments))
        m_wiring.dialogs.showError(m_wiring.messages.text(Msg::CannotStart).arg(launch->program));
}

void HandoffController::browse()
{
    FileDialogOptions options;
    options.folder = m_wiring.directory.filePath(ClickScript::FolderName);
    options.filter = ClickScript::BrowseDialog.filter;
    options.defaultSuffix = ClickScript::BrowseDialog.defaultSuffix;
    const QString chosen = m_wiring.dialogs.openFileName(options);
    if (!chosen.isEmpty())
        m_wiring.dialog.setScriptPath(chosen);
}

// Runs on OK before the dialog closes. The service is asked with the window kept
// responsive and for a bounded time; Cancel meanwhile ends the request and the dialog.
// Every failure is silent: the local script simply stays as it was.
void HandoffController::refreshChosenScript()
{
    ScriptDialog &dialog = m_wiring.dialog;
    const QString script = dialog.scriptPath();
    if (script.trimmed().isEmpty())
        return;
    ScriptRefresh refresh(m_wiring.http);
    if (!refresh.start(script))
        return;
    WaitCursor wait;
    dialog.setBusy(true);
    const auto cancelled = connect(&dialog, &QDialog::rejected, &refresh, &ScriptRefresh::abort);
    m_lastRefresh = refresh.waitForFinished(m_refreshTimeoutMs);
    disconnect(cancelled);
    dialog.setBusy(false);
}
