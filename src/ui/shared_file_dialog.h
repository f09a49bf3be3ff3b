// The main window's shared save and open dialogs. Several commands show the same
// dialog: each may lend it another filter and default extension for one showing
// (`BorrowedDialogFilter`), while the folder and the file name stay from one use to the
// next. The online tip hands its tip file to the click-script hand-off through the save
// dialog's file name, without showing it.
#pragma once

#include "tipsheet/tip_file.h"
#include "ui/platform.h"

#include <QString>

class SharedFileDialog {
public:
    enum class Kind { Save, Open };
    explicit SharedFileDialog(Kind kind)
        : m_kind(kind)
    { }

    // What the dialog proposes when no command has borrowed it: plain text files.
    DialogFilter filter = TipFile::TextDialog;
    QString folder;
    QString fileName;

    FileDialogOptions options() const;
    // Shows the dialog. A confirmed name becomes the dialog's file name; empty when the
    // user cancels, which leaves the file name as it was.
    QString exec(UserDialogs &dialogs);

private:
    Kind m_kind;
};

struct SharedFileDialogs {
    SharedFileDialog save{SharedFileDialog::Kind::Save};
    SharedFileDialog open{SharedFileDialog::Kind::Open};
};
