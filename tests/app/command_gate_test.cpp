// The command gate counts the activities running and holds a command back while any of
// them that holds it back runs.
#include "app/command_gate.h"

#include <QTest>

class CommandGateTest : public QObject {
    Q_OBJECT

private slots:
    void holdsBackWhileAnyActivityRuns()
    {
        using A = CommandGate::Activity;
        using C = CommandGate::Command;
        CommandGate gate;
        gate.end(A::Update); // never begun: nothing to end
        QVERIFY(gate.allows(C::Analyses));
        gate.begin(A::Update);
        gate.begin(A::Analysis);
        gate.end(A::Analysis);
        QVERIFY(!gate.allows(C::Analyses));
        QVERIFY(gate.allows(C::Generate));
        gate.end(A::Update);
        QVERIFY(gate.allows(C::Analyses));
    }
};

QTEST_GUILESS_MAIN(CommandGateTest)
#include "command_gate_test.moc"
