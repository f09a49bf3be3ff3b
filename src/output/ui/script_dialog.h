// "Script für Zahlenübergabe auswählen!": the click-script dialog `XRTForm` (class
// `TXRTForm`). The user picks a click script and four free parameters that the
// automation program gets on its command line. The dialog holds its fields between
// uses; the hand-off fills them from the stored parameters before each showing.
#pragma once

#include "output/script_parameters.h"
#include "ui/component_list.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;

class ScriptDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScriptDialog(QWidget *parent = nullptr);

    ComponentList &components() { return m_components; }

    ScriptParameters parameters() const;
    void setParameters(const ScriptParameters &parameters);
    QString scriptPath() const;
    void setScriptPath(const QString &path);
    // The scripts found in the program's "Script" folder; the box keeps its text, and
    // only an empty box shows the last entry found.
    void setScriptList(const QStringList &entries);
    // While the chosen script is refreshed: OK and the browse button wait, Cancel stays.
    void setBusy(bool busy);

    QComboBox *LabeledEdit1 = nullptr; // "Morvaks Click-Script File"
    QPushButton *BitBtn1 = nullptr; // browse
    QLineEdit *LabeledEdit2 = nullptr; // ZAHL1
    QLineEdit *LabeledEdit3 = nullptr; // ZAHL2
    QLineEdit *LabeledEdit4 = nullptr; // TEXT1
    QLineEdit *LabeledEdit5 = nullptr; // TEXT2
    QPushButton *BitBtn3 = nullptr; // Cancel
    QPushButton *BitBtn2 = nullptr; // OK

signals:
    // OK was pressed; the dialog closes with "OK" once the handlers have returned,
    // unless one of them closed it (Cancel pressed meanwhile).
    void okPressed();

protected:
    // Either button: an empty ZAHL field becomes "0".
    void done(int result) override;

private:
    void confirm();

    ComponentList m_components;
};
