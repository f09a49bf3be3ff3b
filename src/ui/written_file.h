// Files the program writes for the user to read (the printable list, the analysis
// report) go to the desktop's program for them. Where no program takes such a file the
// user would see nothing at all, so the status bar and a question say where it lies and
// offer to open its folder.
#pragma once

#include <QString>

class DesktopShell;
class MessageTable;
class QObject;
class StatusPanels;
class UserDialogs;

struct WrittenFileNotice {
    DesktopShell &shell;
    UserDialogs &dialogs;
    StatusPanels &status;
    const MessageTable &messages;
};

// Opens `path`; the notice follows when the desktop reports that no program took it,
// unless `context` is gone by then.
void openWrittenFile(const WrittenFileNotice &notice, const QString &path, const QObject *context);
