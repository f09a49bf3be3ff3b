// "Welche Zahlen für die Berechnung": 75 number boxes. The tip sheet's per-row picker
// uses it in pick mode (with the random button); the generation uses it as the list of
// preferred numbers with their weights.
#pragma once

#include "generator/preferred_numbers.h"
#include "ui/component_list.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QPushButton;
class QTimer;
class QToolButton;
class RandomSource;

class NumberChoiceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int BoxCount = 75;
    // Modal results: OK, abort and "&Rechnen".
    enum Outcome { Abort = QDialog::Rejected, Ok = QDialog::Accepted, Recalculate = 2 };

    NumberChoiceDialog(RandomSource &random, QWidget *parent = nullptr);

    ComponentList &components() { return m_components; }
    QCheckBox *box(int number) const { return m_boxes.at(size_t(number - 1)); }
    std::vector<int> checkedNumbers() const;
    // Checks the box and gives it the highlight colour, or clears both.
    void setBoxMarked(int number, bool marked);
    bool isBoxHighlighted(int number) const;
    void resetBoxes(int upTo);

    // List mode: the check marks and the weights the boxes' hints hold.
    PreferredNumberList preferredList() const;
    void setPreferredList(const PreferredNumberList &list);

    // Pick mode: the random button instead of "&Rechnen", `count` numbers to pick from
    // 1..highest, the random button's idle caption and the word it shows while running.
    void beginPickMode(const QString &idleCaption, const QString &runningWord, int count, int highest);
    void endPickMode(const QString &caption);
    bool isRandomRunning() const;
    // The random button: starts the draw, then freezes one position per click.
    void randomButtonClicked();
    // One step of the 25 ms timer (public so that tests can drive it).
    void timerTick();
    const std::vector<int> &frozenNumbers() const { return m_frozen; }

    QToolButton *SpeedButton1 = nullptr; // save the list
    QToolButton *SpeedButton2 = nullptr; // load the list
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // abort
    QPushButton *BitBtn3 = nullptr; // "&Rechnen"
    QPushButton *BitBtn4 = nullptr; // "&Zufall"
    QTimer *Timer1 = nullptr;

protected:
    void done(int result) override;

private:
    void stopRandom();
    void updatePickLimit();

    RandomSource &m_random;
    ComponentList m_components;
    std::array<QCheckBox *, BoxCount> m_boxes{};
    QString m_idleCaption;
    QString m_runningWord;
    int m_count = 5;
    int m_highest = BoxCount;
    int m_nextToFreeze = 1;
    bool m_pickMode = false;
    std::vector<int> m_frozen;
    std::vector<int> m_shown; // the numbers the running draw shows, by position
};
