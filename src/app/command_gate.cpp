#include "app/command_gate.h"

#include <initializer_list>

namespace {
using Activity = CommandGate::Activity;
using Command = CommandGate::Command;

struct Rule {
    Activity activity;
    std::initializer_list<Command> heldBack;
};

// The generation, the history search and the manual entry hold nothing back here: the
// generation's button is its own stop button, the search and the entry keep the window
// waiting (a question, a modal dialog), and the analyses refuse to start while any long
// work runs. An update would change the history under an analysis, and an analysis
// rewrites the sheet and reads the history in many passes.
const Rule Table[] = {
    {Activity::Generation, {}},
    {Activity::HistorySearch, {}},
    {Activity::Update, {Command::Update, Command::RebuildStore, Command::Analyses}},
    {Activity::Analysis,
        {Command::Generate, Command::HistorySearch, Command::Update, Command::RebuildStore, Command::DeleteDraw,
            Command::EnterDraw, Command::Analyses}},
    {Activity::DrawEntry, {}},
};
} // namespace

CommandGate::CommandGate(QObject *parent)
    : QObject(parent)
{ }

bool CommandGate::holdsBack(Activity activity, Command command)
{
    for (const Rule &rule : Table)
        if (rule.activity == activity)
            for (Command held : rule.heldBack)
                if (held == command)
                    return true;
    return false;
}

void CommandGate::begin(Activity activity)
{
    ++m_running[size_t(activity)];
    emit changed();
}

void CommandGate::end(Activity activity)
{
    int &running = m_running[size_t(activity)];
    if (running == 0)
        return;
    --running;
    emit changed();
}

bool CommandGate::isActive(Activity activity) const
{
    return m_running[size_t(activity)] > 0;
}

bool CommandGate::allows(Command command) const
{
    for (size_t activity = 0; activity < m_running.size(); ++activity)
        if (m_running[activity] > 0 && holdsBack(Activity(activity), command))
            return false;
    return true;
}
