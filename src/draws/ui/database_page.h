// The "Datenbank" page: the draw date picker, the shown draw, navigation, manual entry
// and deletion, the update buttons and the statistic and analysis buttons. Its members
// carry the controls' documented names, as a designer form's would.
#pragma once

#include <QWidget>

class FormBuilder;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;

class DatabasePage : public QWidget {
    Q_OBJECT
public:
    DatabasePage(FormBuilder &builder, QWidget *parent = nullptr);

    QDateEdit *DateTimePicker1 = nullptr;
    QToolButton *SpeedButton5 = nullptr; // show and evaluate the chosen date
    QToolButton *SpeedButton6 = nullptr; // previous draw
    QToolButton *SpeedButton7 = nullptr; // next draw
    QLabel *Label29 = nullptr; // the shown draw
    QLabel *Label13 = nullptr; // its cross sum
    QPushButton *BitBtn1 = nullptr; // update from the Internet
    QToolButton *SpeedButton8 = nullptr; // stops the update
    QPushButton *BitBtn6 = nullptr; // delete the shown draw
    QPushButton *BitBtn8 = nullptr; // enter a draw by hand
    QPushButton *BitBtn2 = nullptr; // rebuild the store (hidden)
    QPushButton *BitBtn3 = nullptr; // export as text (hidden)
    QPushButton *Button2 = nullptr; // pairs chart
    QPushButton *Button3 = nullptr; // triples chart
    QPushButton *Button4 = nullptr; // quads chart
    QPushButton *Button5 = nullptr; // overdue numbers chart
    QPushButton *Button8 = nullptr; // overdue Megaballs chart
    QPushButton *BitBtn9 = nullptr; // settings back-test
    QPushButton *BitBtn19 = nullptr; // repeat analysis
};
