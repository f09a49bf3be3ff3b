#include "ui/platform_services.h"

#include "app/message_table.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextDocument>
#include <QToolTip>
#include <QUrl>

namespace {
// "Textdatei|*.txt" becomes "Textdatei (*.txt)", with the description in the window's language.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QStringLiteral("%1 (%2)").arg(
            CoreText::filterDescription(parts[i]), QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '))));
    return filters.join(QStringLiteral(";;"));
}

QString startPath(const FileDialogOptions &options)
{
    if (options.fileName.isEmpty())
        return options.folder;
    if (QFileInfo(options.fileName).isAbsolute() || options.folder.isEmpty())
        return options.fileName;
    return options.folder + QLatin1Char('/') + options.fileName;
}

QString withSuffix(QString fileName, const QString &suffix)
{
    if (!fileName.isEmpty() && !suffix.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + suffix;
    return fileName;
}

// Message texts carry answers of the draw service, file contents and translated texts:
// shown as rich text, a page would be rendered and an image tag would make Qt read any
// file it names.
int plainMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    return box.exec();
}
} // namespace

void WidgetUserDialogs::showMessage(const QString &text)
{
    plainMessageBox(m_parent, QMessageBox::Information, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void WidgetUserDialogs::showError(const QString &text)
{
    plainMessageBox(m_parent, QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool WidgetUserDialogs::askYesNo(const QString &text, const QString &caption)
{
    return plainMessageBox(m_parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetUserDialogs::inputText(
    const QString &caption, const QString &prompt, const QString &proposal)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption);
    // The prompt's label exists once a text is set; it takes the prompt as plain text.
    dialog.setLabelText(QString());
    for (QLabel *label : dialog.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposal);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

PlainToolTips::PlainToolTips(QObject *parent)
    : QObject(parent)
{ }

bool PlainToolTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    const QString tip = widget->toolTip();
    // A plain tip is shown as Qt shows it; one that Qt would take for rich text is shown
    // escaped, as the text it is.
    if (!Qt::mightBeRichText(tip))
        return QObject::eventFilter(watched, event);
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(tip, Qt::WhiteSpaceNormal), widget);
    return true;
}

QString WidgetUserDialogs::openFileName(const FileDialogOptions &options)
{
    return QFileDialog::getOpenFileName(m_parent, options.caption, startPath(options), qtFilter(options.filter));
}

QString WidgetUserDialogs::saveFileName(const FileDialogOptions &options)
{
    return withSuffix(
        QFileDialog::getSaveFileName(m_parent, options.caption, startPath(options), qtFilter(options.filter)),
        options.defaultSuffix);
}

int WidgetUserDialogs::exec(QDialog &dialog)
{
    return dialog.exec();
}

MultimediaSoundPlayer::MultimediaSoundPlayer() = default;

MultimediaSoundPlayer::~MultimediaSoundPlayer()
{
    delete m_effect;
}

void MultimediaSoundPlayer::play(const QString &filePath)
{
    if (!QFileInfo::exists(filePath))
        return;
    // Created on first use: a machine without sound then costs nothing at start-up.
    if (!m_effect)
        m_effect = new QSoundEffect;
    const QUrl source = QUrl::fromLocalFile(filePath);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->stop();
    m_effect->play();
}

void QtDesktopShell::open(const QString &pathOrUrl, const QObject *context, Outcome outcome)
{
    const bool isFile = QFileInfo::exists(pathOrUrl);
    const QUrl url = isFile ? QUrl::fromLocalFile(pathOrUrl) : QUrl::fromUserInput(pathOrUrl);
    const auto report = [watched = QPointer<QObject>(const_cast<QObject *>(context)), hasContext = context != nullptr,
                            outcome = std::move(outcome)](bool taken) {
        if (outcome && (!hasContext || watched))
            outcome(taken);
    };
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Here Qt only starts xdg-open and reports that it started; whether a program took
    // the file is xdg-open's exit status, which comes when it has handed the file on (or,
    // on a bare desktop, when the program it ran itself ends). Waiting for it here could
    // freeze the window, so the answer comes later.
    if (const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open")); !opener.isEmpty()) {
        auto *process = new QProcess;
        process->setProgram(opener);
        process->setArguments({isFile ? pathOrUrl : url.toString(QUrl::FullyEncoded)});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process, [process, report](int code, QProcess::ExitStatus how) {
            process->deleteLater();
            report(how == QProcess::NormalExit && code == 0);
        });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            process->deleteLater();
            report(false);
        });
        process->start();
        return;
    }
#endif
    // Elsewhere the desktop answers at once: on Windows, for example, a file type without
    // an associated program makes the open fail.
    report(QDesktopServices::openUrl(url));
}

bool QtDesktopShell::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
