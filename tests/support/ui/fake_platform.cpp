#include "ui/fake_platform.h"

#include <QDialog>

bool FakeDialogs::askYesNo(const QString &text, const QString &caption)
{
    questions.append(caption + QLatin1Char('|') + text);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::inputText(const QString &caption, const QString &prompt, const QString &proposal)
{
    inputPrompts.append(caption + QLatin1Char('|') + prompt + QLatin1Char('|') + proposal);
    if (inputs.empty())
        return std::nullopt;
    auto answer = inputs.front();
    inputs.pop_front();
    return answer;
}

QString FakeDialogs::openFileName(const FileDialogOptions &options)
{
    fileDialogs.push_back(options);
    if (fileNames.empty())
        return {};
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString FakeDialogs::saveFileName(const FileDialogOptions &options)
{
    return openFileName(options);
}

int FakeDialogs::exec(QDialog &dialog)
{
    dialogsShown.append(dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (!dialogAnswers.empty()) {
        const auto answer = std::move(dialogAnswers.front());
        dialogAnswers.pop_front();
        answer(dialog);
    }
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

void FakeShell::open(const QString &pathOrUrl, const QObject *, Outcome outcome)
{
    opened.append(pathOrUrl);
    if (outcome)
        outcome(takes);
}

bool FakeShell::startProgram(const QString &program, const QStringList &arguments)
{
    started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
    return true;
}
