// Which commands may start while something runs. The long activities of the window
// begin and end here, and one table says which commands each holds back; the main
// window switches the buttons and menu entries of those commands as the gate changes.
#pragma once

#include <QObject>

#include <array>

class CommandGate : public QObject {
    Q_OBJECT
public:
    enum class Activity { Generation, HistorySearch, Update, Analysis, DrawEntry, Count };
    enum class Command {
        Generate, // "Tipps berechnen" (BitBtn4) and the menu entry Berechnen1
        HistorySearch, // the tip page's history search
        Update, // the draw update: the tip page's button, BitBtn1 and Aktualisieren1
        RebuildStore, // "Datenbank neu anlegen" (BitBtn2)
        DeleteDraw, // BitBtn6
        EnterDraw, // BitBtn8
        Analyses, // the settings back-test (BitBtn9) and the repeat analysis (BitBtn19)
        Count
    };

    explicit CommandGate(QObject *parent = nullptr);

    // The table: whether `command` waits while `activity` runs.
    static bool holdsBack(Activity activity, Command command);

    void begin(Activity activity);
    // Ends one begun activity; ending one that is not running does nothing.
    void end(Activity activity);
    bool isActive(Activity activity) const;
    bool allows(Command command) const;

    // An activity for the lifetime of the scope, ended on every way out.
    class Scope {
    public:
        Scope(CommandGate &gate, Activity activity)
            : m_gate(gate)
            , m_activity(activity)
        {
            m_gate.begin(m_activity);
        }
        ~Scope() { m_gate.end(m_activity); }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        CommandGate &m_gate;
        Activity m_activity;
    };

signals:
    // An activity began or ended: the commands it holds back changed.
    void changed();

private:
    std::array<int, size_t(Activity::Count)> m_running{};
};
