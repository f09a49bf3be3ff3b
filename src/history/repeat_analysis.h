// The repeat analysis (`RepeatAnalysis`, BitBtn19 on the Datenbank page) as a computation
// over plain data: draw by draw from the chosen date, the draw is put into row 1 and
// compared with the earlier draws of the analysis range (the earlier-draw histogram),
// then the next-draw navigation evaluates the sheet against the following draw (the
// next-draw histogram). The window drives it pass by pass and answers the stop-level
// question through a callback; the command-line tool runs it to the end and goes on.
// The report sets both histograms beside chance.
#pragma once

#include "analysis/sheet_evaluation.h"
#include "analysis/shown_draw.h"
#include "generator/generation_run.h"
#include "history/report_format.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class MessageTable;

struct RepeatAnalysisInput {
    std::vector<Draw> draws; // the history, oldest first
    QDate chosenDate; // DateTimePicker1 as the user left it
    QDate statisticsStart; // DateTimePicker2, SelectedDate from the second pass on
    int stopLevel = 5; // the entered stop level; 6 never asks
    std::array<SheetRow, TipRows::RowCount> sheet{}; // the tip sheet with its locks
    ShownDrawState shown; // the window's shown draw before; only an empty history keeps it
    QDate pickerMinimum = ShownDraw::PickerMinimum;
    const Games::GameFormat *format = &Games::classic(); // the draws' format: the fields' ranges and the chance
};

// Step 5.3 of a pass: row 1 holds the draw, the status bar shows the end marker (panel
// 0) and the draw's date (panel 1), and the window repaints.
struct RepeatPassStart {
    int number = 0;
    Draw rowDraw; // ShownDraw, now in row 1
    QDate endMarker;
    TipSheetTexts sheet; // unlocked rows cleared, row 1 written
};

struct RepeatPass {
    int number = 0; // 1, 2, ...
    Draw rowDraw;
    int rowDrawIndex = 0;
    QDate endMarker; // as the status bar showed it at the start of the pass
    QDate windowStart; // SelectedDate
    QDate windowEnd; // the row-1 draw's date, not included
    int comparedDraws = 0;
    std::array<int, 6> earlier{}; // this pass's counts by common main numbers
    // The next-draw navigation and its Komplettcheck.
    ShownDrawState navigated;
    TipSheetTexts sheet; // as that evaluation leaves it
    SheetEvaluation evaluation;
    // The hit count the evaluation left: that of the last row it could evaluate, which is
    // row 1 when only row 1 holds numbers.
    int nextHitCount = 0;
};

struct RepeatResult {
    std::array<qint64, 6> earlier{}; // earlier-draw histogram
    std::array<qint64, 6> next{}; // next-draw histogram
    int passes = 0;
    QDate endMarker;
    const Games::GameFormat *format = &Games::classic();
    // The user answered No at a hit: the analysis ended at once, without a report.
    bool stopped = false;
    std::optional<Draw> stoppedAt; // the draw of that question, ShownDraw from then on
    // Deviations from the documented loop, which would not end here: an empty history
    // runs no pass; a navigation that cannot advance ends the loop after its pass.
    bool endedOnEmptyHistory = false;
    bool endedWithoutNextDraw = false;
};

class RepeatAnalysis {
public:
    // Answers the stop-level question for `record` (true: go on). The question's texts
    // are questionText() and questionCaption().
    using Question = std::function<bool(const Draw &record, int hitCount)>;

    // Makes the first ShowAndEvaluate and sets the end marker (step 2).
    explicit RepeatAnalysis(RepeatAnalysisInput input);
    RepeatAnalysis(const RepeatAnalysis &) = delete;
    RepeatAnalysis &operator=(const RepeatAnalysis &) = delete;

    // Without a question every hit goes on, as with a stop level of 6.
    void setQuestion(Question question) { m_question = std::move(question); }
    void setPassStarted(std::function<void(const RepeatPassStart &)> passStarted)
    {
        m_passStarted = std::move(passStarted);
    }

    // Runs the next pass; false once the loop has ended or the user stopped it (the pass
    // the user stopped is not counted as done).
    bool nextPass();
    bool finished() const { return m_finished; }
    const RepeatPass &lastPass() const { return m_pass; }
    const ShownDrawState &initialShow() const { return m_initial; }
    const RepeatResult &result() const { return m_result; }

    const RepeatResult &runToEnd(const std::function<void(const RepeatPass &)> &observer = {});

    // "Ein Treffer am  01.03.2016 gefunden. Weiter?" and "Ziehung gefunden".
    static QString questionText(const MessageTable &messages, QDate date);
    static QString questionCaption(const MessageTable &messages);
    // Step 3: the answer as an integer; nullopt is the conversion error.
    static std::optional<int> parseStopLevel(const QString &text);

private:
    const RepeatAnalysisInput m_input;
    Question m_question;
    std::function<void(const RepeatPassStart &)> m_passStarted;

    ShownDrawState m_initial;
    ShownDrawState m_state;
    TipSheetTexts m_sheet;
    bool m_finished = false;
    RepeatPass m_pass;
    RepeatResult m_result;
};

namespace RepeatReport {
// Step 6: "Treffer von Ziehungen in der Datenbank", "0    =>12", ..., a line of one
// blank, "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen", "0    =>3", ...
QStringList documentedLines(const RepeatResult &result, const MessageTable &messages);
// Both histograms beside chance, starting with an empty line.
QStringList chanceLines(const RepeatResult &result, const MessageTable &messages, const ReportFormat &format = {});
// Both, as the report file holds them.
QStringList lines(const RepeatResult &result, const MessageTable &messages, const ReportFormat &format = {});
// The whole report from the inputs, no questions asked (as with a stop level of 6).
QStringList linesFor(const RepeatAnalysisInput &input, const MessageTable &messages);
} // namespace RepeatReport
