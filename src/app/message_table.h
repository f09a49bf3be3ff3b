// The indexed message texts every dialog, status text and chart title is built from.
// German defaults; a language replaces the whole list at once.
#pragma once

#include <QString>
#include <QStringList>

// The entries by name, in table order; the German default of each stands beside its
// name in message_table.cpp. Entries the program added keep growing the list at its end.
enum class Msg : int {
    RepeatQuestionStart, // 0
    RepeatQuestionEnd, // 1
    RepeatQuestionCaption, // 2
    RepeatStopLevelCaption, // 3
    RepeatStopLevelPrompt, // 4
    RepeatHitStart, // 5
    RepeatHitEnd, // 6
    RepeatHitCaption, // 7
    RepeatReportEarlier, // 8
    RepeatReportNext, // 9
    MegaballOverdueTitle, // 10
    PickerCaption, // 11
    ChoiceCaption, // 12
    Reserved13, // 13
    Reserved14, // 14
    Reserved15, // 15
    SeedError, // 16
    BacktestQuestionStart, // 17
    BacktestQuestionEnd, // 18
    BacktestQuestionCaption, // 19
    LuckyNumberCaption, // 20
    LuckyNumberPrompt, // 21
    LuckyNumberSetStart, // 22
    LuckyNumberSetEnd, // 23
    BacktestReportTitle, // 24
    TipDistributionTitle, // 25
    OverdueTitle, // 26
    Reserved27, // 27
    TipListTitle, // 28
    Tipp, // 29
    Powerball, // 30
    AnzahlOhne, // 31
    Ziehungen, // 32
    MitJe, // 33
    Reihen, // 34
    StatusPairs, // 35
    StatusTriples, // 36
    StatusQuads, // 37
    StatusDistribution, // 38
    StatusOverdue, // 39
    StatusNeighbours, // 40
    StatusBegin, // 41
    Stoppen, // 42
    Quersumme, // 43
    Reserved44, // 44
    Disclaimer, // 45
    DistributionTitle, // 46
    MegaballFrequencyTitle, // 47
    SearchStopLevelCaption, // 48
    SearchStopLevelPrompt, // 49
    SearchHitFound, // 50
    SearchGoOn, // 51
    SearchHitCaption, // 52
    ChartDraws, // 53
    PairsFound, // 54
    TriplesFound, // 55
    SumDistributionTitle, // 56
    QuadsFound, // 57
    BudgetUsedUp, // 58
    TipsComputed, // 59
    Zufall, // 60
    Stop, // 61
    // The yardstick section of the settings back-test report (and its chart) and the
    // spread over many seeds of the command-line tool.
    YardstickTitle, // 62
    PrizeClass, // 63
    Prize, // 64
    SettingsRows, // 65
    RandomRows, // 66
    ChanceExpected, // 67
    Range95, // 68
    Probability, // 69
    Jackpot, // 70
    NoPrize, // 71
    WinningRows, // 72
    WinningShare, // 73
    WinningsWithoutJackpot, // 74
    Stake, // 75
    ReturnShare, // 76
    OneIn, // 77
    ShareDiffers, // 78
    ShareWithinChance, // 79
    BinomialTest, // 80
    SeedSpread, // 81
    Mean, // 82
    DeleteQuestionStart, // 83
    DeleteQuestionEnd, // 84
    DeleteQuestionCaption, // 85
    RunStopped, // 86
    UpdateLoaded, // 87
    UpdateStopped, // 88
    UpdateNoAnswer, // 89
    UpdateNoAnswerCaption, // 90
    ReadDrawsFirst, // 91
    NotAnInteger, // 92
    SearchTotalsTitle, // 93
    FileNotFound, // 94
    EachNumberOnce, // 95
    RebuildQuestion, // 96
    RebuildCaption, // 97
    NothingLoadedKept, // 98
    ScriptNotFound, // 99
    CannotStart, // 100
    InstallQuestion, // 101
    InstallTitle, // 102
    // Files refused before they are read whole, tip files that are none, a number twice in
    // a row, and typed dates the date fields do not take.
    FileTooLarge, // 103
    TipFileBinary, // 104
    TipFileNoNumber, // 105
    RepeatsCleared, // 106
    RowRepeats, // 107
    LineRepeats, // 108
    DateNoSuchDay, // 109
    DateOutOfRange, // 110
    DateUnreadable, // 111
    Count
};

class MessageTable {
public:
    MessageTable();

    static constexpr int DefaultCount = int(Msg::Count);
    static constexpr int MaxLineLength = 4096;

    // Entry n with its blanks; empty text past the end.
    QString text(int index) const;
    QString text(Msg entry) const { return text(int(entry)); }
    int count() const { return int(m_lines.size()); }
    void replaceAll(const QStringList &lines);
    void restoreDefaults();

    static QStringList defaults();

private:
    QStringList m_lines;
};
