#include "generator/ui/preferred_list_controller.h"

#include "app/clock.h"
#include "app/program_directory.h"
#include "generator/preferred_numbers.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "ui/page_switcher.h"
#include "ui/platform.h"
#include "ui/status_panels.h"

#include <QGuiApplication>
#include <QToolButton>

namespace {
// The run writes status panel 1 right after the dialog; panel 0 keeps these notes.
constexpr int RebuildNotePanel = 0;
} // namespace

PreferredListController::PreferredListController(NumberChoiceDialog &dialog, UserDialogs &dialogs, StatusPanels &status,
    PageSwitcher &pages, QWidget *tipSheet, const ProgramDirectory &directory, QObject *parent)
    : QObject(parent)
    , m_dialog(dialog)
    , m_dialogs(dialogs)
    , m_status(status)
    , m_pages(pages)
    , m_tipSheet(tipSheet)
    , m_directory(directory)
{
    connect(dialog.SpeedButton1, &QToolButton::clicked, this, &PreferredListController::saveList);
    connect(dialog.SpeedButton2, &QToolButton::clicked, this, &PreferredListController::loadList);
}

bool PreferredListController::edit(CandidatePool &pool)
{
    m_dialog.setPreferredList(PreferredNumbers::fromPool(pool));
    m_pages.show(m_tipSheet);
    // The normal cursor over the wait cursor of the run while the dialog is open.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int outcome = m_dialogs.exec(m_dialog);
    QGuiApplication::restoreOverrideCursor();
    if (outcome == NumberChoiceDialog::Abort)
        return false;
    if (outcome == NumberChoiceDialog::Recalculate) {
        PreferredNumberList list = m_dialog.preferredList();
        PreferredNumbers::Rebuild rebuild = PreferredNumbers::rebuildPool(list);
        m_dialog.setPreferredList(list);
        if (!rebuild.invalidWeights.empty() || rebuild.pool.hasOverflowed())
            m_status.setComposedText(
                RebuildNotePanel, [invalid = rebuild.invalidWeights, overflowed = rebuild.pool.hasOverflowed()] {
                    QStringList notes;
                    if (!invalid.empty())
                        notes << PreferredNumbers::invalidWeightsText(invalid);
                    if (overflowed)
                        notes << poolFullText();
                    return notes.join(QStringLiteral("; "));
                });
        pool = std::move(rebuild.pool);
    }
    return true;
}

namespace {
FileDialogOptions listFileOptions(const ProgramDirectory &directory)
{
    FileDialogOptions options;
    options.folder = directory.path();
    options.fileName = ValueListFile::defaultFileName(Clock::today());
    options.filter = ValueListFile::Filter;
    options.defaultSuffix = ValueListFile::Suffix;
    return options;
}
} // namespace

void PreferredListController::saveList()
{
    UserDialogs *dialogs = &m_dialogs;
    const QString path = dialogs->saveFileName(listFileOptions(m_directory));
    if (path.isEmpty())
        return;
    PreferredNumberList list = m_dialog.preferredList();
    const Result<void> saved = ValueListFile::save(path, list);
    m_dialog.setPreferredList(list);
    if (!saved)
        dialogs->showError(saved.error());
}

void PreferredListController::loadList()
{
    UserDialogs *dialogs = &m_dialogs;
    const QString path = dialogs->openFileName(listFileOptions(m_directory));
    if (path.isEmpty())
        return;
    const Result<PreferredNumberList> loaded = ValueListFile::load(path);
    if (!loaded) {
        dialogs->showError(loaded.error());
        return;
    }
    m_dialog.setPreferredList(*loaded);
}
