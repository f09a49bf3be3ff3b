// What other subsystems ask of the tip check synchronously: evaluate the sheet against
// the shown draw (`Komplettcheck`), or show the draw of the draw date and evaluate
// (`ShowAndEvaluate`). The tip-check controller implements it; the main window hands it
// to the controllers that need it.
#pragma once

class SheetChecks {
public:
    virtual ~SheetChecks() = default;
    virtual void komplettcheck() = 0;
    virtual void showAndEvaluate() = 0;
};
