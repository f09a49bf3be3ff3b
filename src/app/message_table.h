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
    // What the analyses used and how they stand beside chance; settings that contradict
    // each other, named before a run; the budget message counting the rows asked for.
    LockedRowsKept, // 103
    OptionsContradict, // 104
    ConflictSumRange, // 105
    ConflictEvenOdd, // 106
    ConflictOtherRows, // 107
    ConflictPrimesEven, // 108
    ConflictLowNumbers, // 109
    BudgetUsedUpRows, // 110
    BudgetUsedUpOneRow, // 111
    RepeatChanceTitle, // 112
    CommonNumbers, // 113
    Comparisons, // 114
    RepeatShareDiffers, // 115
    RepeatShareWithinChance, // 116
    Median, // 117
    LargestWinLiftsMean, // 118
    TemplateTooLarge, // 119
    ScriptTooLong, // 120
    AutomationPathNotAbsolute, // 121
    WrittenNotOpened, // 122
    OpenFolderQuestion, // 123
    OpenFolderCaption, // 124
    // The core's own texts that reach the window as well as the command-line tool (see
    // `CoreText`), and the descriptions of the file dialogs' filters.
    ServiceUrlInvalid, // 125
    ProxyPortInvalid, // 126
    StoreLocked, // 127
    LockHolder, // 128
    LockNotCreated, // 129
    LockFileNotCreated, // 130
    NoSpaceLeft, // 131
    QuotaExceeded, // 132
    FileTooLarge, // 133
    ReadOnlyVolume, // 134
    AccessDenied, // 135
    VolumeIoError, // 136
    FileKept, // 137
    FileNotCreated, // 138
    NothingAppended, // 139
    EndIncomplete, // 140
    NotAFolder, // 141
    FolderNotCreated, // 142
    ProgramPathTooLong, // 143
    CommandLineTooLong, // 144
    PoolFull, // 145
    WeightsNotIntegers, // 146
    ListNotAnInteger, // 147
    AnswerFieldCount, // 148
    AnswerNotANumber, // 149
    AnswerOutOfRange, // 150
    MainNumber, // 151
    AnswerNumberRepeated, // 152
    NoCompleteAnswer, // 153
    AnswerTooLong, // 154
    AnswerTimedOut, // 155
    NoResponse, // 156
    SettingsFolderNotCreated, // 157
    TipFileFilter, // 158
    TextFileFilter, // 159
    ValueListFilter, // 160
    ClickScriptFilter, // 161
    Monday, // 162: "Mo", the short day names of the shown draw
    Tuesday, // 163
    Wednesday, // 164
    Thursday, // 165
    Friday, // 166
    Saturday, // 167
    Sunday, // 168
    MoreCharacters, // 169
    // Files refused before they are read whole, tip files that are none, a number twice in
    // a row, and typed dates the date fields do not take.
    InputTooLarge, // 170
    TipFileBinary, // 171
    TipFileNoNumber, // 172
    RepeatsCleared, // 173
    RowRepeats, // 174
    LineRepeats, // 175
    DateNoSuchDay, // 176
    DateOutOfRange, // 177
    DateUnreadable, // 178
    Count
};

class MessageTable {
public:
    MessageTable();
    ~MessageTable();
    MessageTable(const MessageTable &) = default;
    MessageTable &operator=(const MessageTable &) = default;

    static constexpr int DefaultCount = int(Msg::Count);
    static constexpr int MaxLineLength = 4096;

    // Entry n with its blanks; empty text past the end.
    QString text(int index) const;
    QString text(Msg entry) const { return text(int(entry)); }
    int count() const { return int(m_lines.size()); }
    void replaceAll(const QStringList &lines);
    void restoreDefaults();

    static QStringList defaults();

    // Makes this table the one `CoreText` reads, until it is destroyed or another one is
    // installed.
    void install() const;

private:
    QStringList m_lines;
};

// The texts the core builds itself (errors of files, downloads and settings, notes of a
// run) reach both the window and the command-line tool. While a window has installed its
// table they follow the window's language like every other message; without one (the
// command-line tool, tests of the core) they read as the tool has always printed them: the
// German default, or the tool's own English text where one is given.
namespace CoreText {
QString text(Msg entry);
QString text(Msg entry, const char16_t *toolText);
// The description of a file dialog's filter as the dialog shows it: the program names its
// filters by their German description ("Tippdatei|*.hlt"); others stay as they are.
QString filterDescription(const QString &description);
} // namespace CoreText
