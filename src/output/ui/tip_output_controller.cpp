#include "output/ui/tip_output_controller.h"

#include "analysis/sheet_checks.h"
#include "analysis/shown_draw_model.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "output/tip_list.h"
#include "tipsheet/tip_file.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/platform.h"
#include "ui/shared_file_dialog.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"
#include "ui/written_file.h"

#include <QPushButton>
#include <QToolButton>

TipOutputController::TipOutputController(const TipOutputWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    connect(wiring.sheet.saveButton(), &QToolButton::clicked, this, &TipOutputController::saveTips);
    connect(wiring.sheet.loadButton(), &QToolButton::clicked, this, &TipOutputController::loadTips);
    connect(wiring.sheet.printButton(), &QPushButton::clicked, this, &TipOutputController::printTips);
}

void TipOutputController::saveTips()
{
    SharedFileDialog &dialog = m_wiring.fileDialogs.save;
    // The filter goes back when this returns, however the command ends.
    const BorrowedDialogFilter borrowed(dialog.filter, TipFile::Dialog);
    dialog.folder = m_wiring.directory.path();
    dialog.fileName = TipFile::defaultFileName(m_wiring.dates.drawDate());
    const QString path = dialog.exec(m_wiring.dialogs);
    if (path.isEmpty())
        return;
    if (const auto saved = TipFile::save(path, m_wiring.sheet.sheetTexts()); !saved)
        m_wiring.dialogs.showError(saved.error());
}

void TipOutputController::loadTips()
{
    QString path;
    {
        SharedFileDialog &dialog = m_wiring.fileDialogs.open;
        const BorrowedDialogFilter borrowed(dialog.filter, TipFile::Dialog);
        dialog.folder = m_wiring.directory.path();
        path = dialog.exec(m_wiring.dialogs);
    }
    if (!path.isEmpty()) {
        // The file is read whole before the sheet is touched: a file that cannot be
        // read, or is no tip file, leaves every row as it was.
        const auto loaded = TipFile::load(path, m_wiring.messages);
        if (!loaded) {
            m_wiring.dialogs.showError(loaded.error());
            return;
        }
        TipSheetPage &sheet = m_wiring.sheet;
        sheet.clearUnlocked();
        // Locked rows are replaced too: the lock only spares them the clearing.
        for (int row = 1; row <= TipRows::RowCount; ++row)
            sheet.setRowTexts(row, loaded->sheet[size_t(row - 1)]);
        if (!loaded->repeats.empty()) {
            QStringList rows;
            for (const TipFile::LineRepeat &repeat : loaded->repeats)
                rows.append(QString::number(repeat.line));
            m_wiring.status.setText(
                0, m_wiring.messages.text(Msg::RepeatsCleared).arg(rows.join(QStringLiteral(", "))));
        }
    }
    m_wiring.checks.showAndEvaluate();
}

void TipOutputController::printTips()
{
    const QString path = m_wiring.directory.filePath(TipList::FileName);
    const QDate playDate = TipList::playDate(m_wiring.shown.draw().date, m_wiring.dates.drawDate());
    const auto written = TipList::write(path, m_wiring.sheet.sheetTexts(), m_wiring.messages, playDate);
    if (!written) {
        m_wiring.dialogs.showError(written.error());
        return;
    }
    openWrittenFile({m_wiring.shell, m_wiring.dialogs, m_wiring.status, m_wiring.messages}, path, this);
}
