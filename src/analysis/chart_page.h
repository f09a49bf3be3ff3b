// The "Diagramm" page: the bar chart of the draw statistics, the start date of the
// statistics window and the buttons that choose a chart.
#pragma once

#include <QWidget>

class FormBuilder;
class QDateEdit;
class QToolButton;

class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(FormBuilder &builder, QWidget *parent = nullptr);

    static QDate startPickerMinimum(); // 22.10.2013

    QWidget *Chart1 = nullptr;
    QDateEdit *DateTimePicker2 = nullptr;
    QToolButton *SpeedButton2 = nullptr;  // number distribution
    QToolButton *SpeedButton1 = nullptr;  // pairs, "2x"
    QToolButton *SpeedButton3 = nullptr;  // triples, "3x"
    QToolButton *SpeedButton12 = nullptr; // quads, "4x"
    QToolButton *SpeedButton19 = nullptr; // overdue numbers
    QToolButton *SpeedButton9 = nullptr;  // sum distribution, "CS"
    QToolButton *SpeedButton20 = nullptr; // Megaball frequency
    QToolButton *SpeedButton21 = nullptr; // overdue Megaballs
};
