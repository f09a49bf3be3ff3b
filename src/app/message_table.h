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
    // The core's own texts that reach the window as well as the command-line tool (see
    // `CoreText`), and the descriptions of the file dialogs' filters.
    ServiceUrlInvalid, // 103
    ProxyPortInvalid, // 104
    StoreLocked, // 105
    LockHolder, // 106
    LockNotCreated, // 107
    LockFileNotCreated, // 108
    NoSpaceLeft, // 109
    QuotaExceeded, // 110
    FileTooLarge, // 111
    ReadOnlyVolume, // 112
    AccessDenied, // 113
    VolumeIoError, // 114
    FileKept, // 115
    FileNotCreated, // 116
    NothingAppended, // 117
    EndIncomplete, // 118
    NotAFolder, // 119
    FolderNotCreated, // 120
    ProgramPathTooLong, // 121
    CommandLineTooLong, // 122
    PoolFull, // 123
    WeightsNotIntegers, // 124
    ListNotAnInteger, // 125
    AnswerFieldCount, // 126
    AnswerNotANumber, // 127
    AnswerOutOfRange, // 128
    MainNumber, // 129
    AnswerNumberRepeated, // 130
    NoCompleteAnswer, // 131
    AnswerTooLong, // 132
    AnswerTimedOut, // 133
    NoResponse, // 134
    SettingsFolderNotCreated, // 135
    TipFileFilter, // 136
    TextFileFilter, // 137
    ValueListFilter, // 138
    ClickScriptFilter, // 139
    Monday, // 140: "Mo", the short day names of the shown draw
    Tuesday, // 141
    Wednesday, // 142
    Thursday, // 143
    Friday, // 144
    Saturday, // 145
    Sunday, // 146
    MoreCharacters, // 147
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
