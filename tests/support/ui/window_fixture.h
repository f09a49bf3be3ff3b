// A main window on a temporary program directory with recording platform services and
// an in-memory settings store, for the window tests.
#pragma once

#include "analysis/shown_draw_model.h"
#include "app/command_gate.h"
#include "app/http_client.h"
#include "app/ui/localizer.h"
#include "app/ui/main_window.h"
#include "generator/random_source.h"
#include "generator/ui/generation_controller.h"
#include "ui/fake_platform.h"

#include <QTemporaryDir>

#include <memory>

class QAbstractButton;

class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    // Creates the window (running its start-up reading of the settings).
    MainWindow &create();
    // Closes the window (writing the settings) and destroys it.
    void close();
    MainWindow &window() { return *m_window; }
    // Copies the bundled history, or the given draws, into the program directory.
    void useBundledHistory();
    void useHistory(const std::vector<Draw> &draws);
    QString storePath() const;
    // The program folder: the temporary directory, or a folder below it (created), for
    // tests that need an installation's layout such as "Programme/Morvak/DevuDirurero".
    void useProgramSubfolder(const QString &relative);
    QString programFolder() const;

    template <typename T> T *get(const QString &name) const
    {
        T *control = m_window->components().get<T>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }

    QTemporaryDir directory;
    FakeDialogs dialogs;
    FakeSound sound;
    FakeShell shell;
    RandomSource random{12345};
    std::unique_ptr<HttpClient> http = makeNetworkHttpClient();
    std::shared_ptr<MemorySettingsStore> settings = std::make_shared<MemorySettingsStore>();
    // The click-script parameters' key.
    std::shared_ptr<MemorySettingsStore> scriptSettings = std::make_shared<MemorySettingsStore>();

private:
    std::unique_ptr<MainWindow> m_window;
    QString m_subfolder;
};

// Clicks a button as the user would (the button must be enabled).
void click(QAbstractButton *button);
