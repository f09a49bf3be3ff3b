// Comparing the tip sheet with draws: the sheet evaluation `Komplettcheck`, showing and
// evaluating the draw of a date (`ShowAndEvaluate`) and the search of the history for
// hits (`HistorySearch`).
#pragma once

#include <QObject>

#include <array>

class MainWindow;
struct Draw;

class TipCheckController : public QObject {
    Q_OBJECT
public:
    explicit TipCheckController(MainWindow &window);

    // Evaluates all twelve rows against the shown draw.
    void komplettcheck();
    // Shows the draw for the date of DateTimePicker1 and evaluates the sheet against it.
    void showAndEvaluate();
    // Walks the draws of the statistics window and stops with a question at hits.
    void historySearch();

    // Per row, the hits the last complete history search counted.
    const std::array<int, 12> &searchTotals() const { return m_searchTotals; }

signals:
    // The history search reached the end of its range: per row the sum of its hits.
    void searchFinished(const std::array<int, 12> &totals);

private:
    void showDraw(const Draw &draw, const QString &text);

    MainWindow &m_window;
    std::array<int, 12> m_searchTotals{};
};
