#include "ui/window_fixture.h"

#include "draws/draw_store.h"
#include "test_data.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTest>

WindowFixture::WindowFixture() = default;

WindowFixture::~WindowFixture() = default;

MainWindow &WindowFixture::create()
{
    MainWindow::Services services;
    services.dialogs = &dialogs;
    services.sound = &sound;
    services.shell = &shell;
    services.random = &random;
    services.http = http.get();
    services.openSettings = [store = settings] { return std::make_unique<SharedSettingsStore>(store); };
    services.openScriptSettings = [store = scriptSettings] { return std::make_unique<SharedSettingsStore>(store); };
    m_window = std::make_unique<MainWindow>(programFolder(), services);
    return *m_window;
}

void WindowFixture::close()
{
    if (m_window)
        m_window->close();
    m_window.reset();
}

QString WindowFixture::storePath() const
{
    return QDir(programFolder()).filePath(QString::fromLatin1(DrawStore::FileName));
}

void WindowFixture::useProgramSubfolder(const QString &relative)
{
    if (!QDir(directory.path()).mkpath(relative))
        qFatal("cannot create the program folder %s", qPrintable(relative));
    m_subfolder = relative;
}

QString WindowFixture::programFolder() const
{
    return m_subfolder.isEmpty() ? directory.path() : directory.filePath(m_subfolder);
}

void WindowFixture::useBundledHistory()
{
    QFile::remove(storePath());
    if (!QFile::copy(TestData::bundledStorePath(), storePath()))
        qFatal("cannot copy the bundled history");
    QFile(storePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void WindowFixture::useHistory(const std::vector<Draw> &draws)
{
    TestData::writeStore(storePath(), draws);
}

void click(QAbstractButton *button)
{
    if (!button->isEnabled())
        qFatal("clicking a disabled button %s", qPrintable(button->objectName()));
    button->click();
}
