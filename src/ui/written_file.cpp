#include "ui/written_file.h"

#include "app/message_table.h"
#include "ui/platform.h"
#include "ui/status_panels.h"

#include <QDir>
#include <QFileInfo>

void openWrittenFile(const WrittenFileNotice &notice, const QString &path, const QObject *context)
{
    notice.shell.open(path, context, [notice, path](bool taken) {
        if (taken)
            return;
        const QFileInfo file(path);
        const MessageTable &messages = notice.messages;
        notice.status.setText(
            0, messages.text(Msg::WrittenNotOpened).arg(QDir::toNativeSeparators(file.absoluteFilePath())));
        if (notice.dialogs.askYesNo(messages.text(Msg::OpenFolderQuestion)
                                        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())),
                messages.text(Msg::OpenFolderCaption)))
            notice.shell.open(file.absolutePath());
    });
}
