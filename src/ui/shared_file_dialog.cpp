#include "ui/shared_file_dialog.h"

FileDialogOptions SharedFileDialog::options() const
{
    FileDialogOptions options;
    options.folder = folder;
    options.fileName = fileName;
    options.filter = filter.filter;
    options.defaultSuffix = filter.defaultSuffix;
    return options;
}

QString SharedFileDialog::exec(UserDialogs &dialogs)
{
    const QString chosen = m_kind == Kind::Save ? dialogs.saveFileName(options()) : dialogs.openFileName(options());
    if (!chosen.isEmpty())
        fileName = chosen;
    return chosen;
}
