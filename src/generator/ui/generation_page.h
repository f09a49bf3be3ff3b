// The "Berechnung" page with its five sub-pages of generation options, built from the
// option table, plus the buttons and labels that show the statistic behind an option.
#pragma once

#include "generator/generation_options.h"

#include <QWidget>

#include <map>
#include <vector>

class CaptionCheckBox;
class FormBuilder;
class LinkLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

class GenerationPage : public QWidget {
    Q_OBJECT
public:
    GenerationPage(FormBuilder &builder, QWidget *parent = nullptr);

    QCheckBox *checkBox(int number) const { return m_checkBoxes.at(number); }
    QSpinBox *upDown(int number) const { return m_spins.at(number); }
    QRadioButton *radioButton(int number) const { return m_radios.at(number); }

    QTabWidget *PageControl2 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    // Statistic buttons and labels beside the options.
    QToolButton *SpeedButton22 = nullptr; // overdue numbers
    QToolButton *SpeedButton23 = nullptr; // pairs
    QToolButton *SpeedButton24 = nullptr; // triples
    QToolButton *SpeedButton25 = nullptr; // quads
    QToolButton *SpeedButton26 = nullptr; // number distribution
    LinkLabel *Label88 = nullptr; // sum distribution
    LinkLabel *Label89 = nullptr; // pairs
    LinkLabel *Label90 = nullptr; // quads
    LinkLabel *Label91 = nullptr; // triples
    QToolButton *Superselten = nullptr; // Megaball frequency
    QToolButton *SuperAus = nullptr; // overdue Megaballs

signals:
    // A statistic label was clicked (labels have no clicked signal of their own).
    void labelClicked(QLabel *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CaptionCheckBox *makeCheckBox(FormBuilder &builder, int number);
    QSpinBox *makeSpin(FormBuilder &builder, int number);
    QToolButton *makeChartButton(FormBuilder &builder, const QString &name);
    LinkLabel *makeChartLabel(FormBuilder &builder, const QString &name, const QString &text);
    QLabel *heading(FormBuilder &builder, const QString &name, const QString &text);
    QWidget *optionRow(FormBuilder &builder, int checkBox, const std::vector<int> &spins);
    QWidget *buildMathematisch(FormBuilder &builder, QWidget *sheet);
    QWidget *buildStatistisch(FormBuilder &builder, QWidget *sheet);
    QWidget *buildScheinOptimierung(FormBuilder &builder, QWidget *sheet);
    QWidget *buildAllgemein(FormBuilder &builder, QWidget *sheet);
    QWidget *buildMegaBall(FormBuilder &builder, QWidget *sheet);
    void installCoupledLimits();

    std::map<int, QCheckBox *> m_checkBoxes;
    std::map<int, QSpinBox *> m_spins;
    std::map<int, QRadioButton *> m_radios;
};
