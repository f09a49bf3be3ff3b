// The draw store on the Datenbank page: stepping to the previous and next draw,
// deleting the shown draw, entering a draw by hand and exporting the history as text.
#pragma once

#include <QObject>

class DrawEntryDialog;
class MainWindow;

class DrawController : public QObject {
    Q_OBJECT
public:
    explicit DrawController(MainWindow &window);
    ~DrawController() override;

    void previousDraw();
    void nextDraw();
    void deleteShownDraw();
    void enterDraw();
    void exportAsText();

    DrawEntryDialog *entryDialog() const { return m_entryDialog; }

private:
    void step(int delta);

    MainWindow &m_window;
    DrawEntryDialog *m_entryDialog = nullptr;
};
