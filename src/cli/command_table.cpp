#include "cli/command_table.h"

#include "draws/game_format.h"

#include <algorithm>

namespace {
using ProgramHelp::Item;

const QString Tool = QStringLiteral("devudirurero-cli");
const QString UnreadableStore = QStringLiteral("the draw file cannot be read");

// Options that several commands share, worded once.
const Item From{
    "--from DATE", "the first draw of the statistics (default: the format's first draw, 2013-10-22 for mm-2013)"};
const Item End{"--end DATE",
    "the end date; it moves to the first draw on or after it (else the newest), which the run compares with and "
    "counts up to (default today)"};
const Item Defaults{"--defaults", "start from the design defaults instead of the stored generation options"};
const Item Set{"--set NAME=VALUE",
    "set one generation option by its stored name (Chekcbox9=0, UpDown6=3, RadioButton2=1); may be repeated"};
const Item Lock{"--lock R=n1,n2,n3,n4,n5[,MB]",
    "keep row R (1 to 12) as given, as a locked row does: a value may be empty, a main number may not stand twice; "
    "may be repeated"};

int help(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const QStringList names = arguments.positionals();
    if (arguments.hasError())
        return Cli::usage(context, arguments.error());
    if (names.size() > 1)
        return Cli::usage(context, QStringLiteral("help takes one command, not %1").arg(names.size()));
    ProgramHelp::Page page = Cli::toolPage();
    if (!names.isEmpty()) {
        const Cli::Command *command = Cli::findCommand(names.first());
        if (!command)
            return Cli::usage(context, QStringLiteral("unknown command: %1").arg(names.first()));
        page = Cli::helpPage(*command);
    }
    for (const QString &line : ProgramHelp::textLines(page))
        context.out << line << '\n';
    return Cli::Success;
}
} // namespace

const std::vector<Cli::Command> &Cli::commands()
{
    static const std::vector<Command> table{
        {"draws", &CliCommands::draws, "", "print every draw",
            {"Prints every draw of the draw file, oldest first, one line each: YYYY-MM-DD n1 n2 n3 n4 n5 MB MP."}, {},
            UnreadableStore},
        {"import", &CliCommands::importDraws, "FILE", "add draws from a CSV or export file",
            {"Reads the draws of FILE: CSV lines date,n1,n2,n3,n4,n5,megaball,megaplier (a header line is allowed), "
             "the lines of \"Export nach Text\" (20171027;17;27;41;51;52;13;5;), or the lottery's published New York "
             "and Texas files as they are downloaded. Every line is checked first against the game format of its "
             "date; each bad line is reported as \"line N: reason\" (the first hundred) and nothing is written.",
                "Then the draws are stored as the manual entry stores them, in one atomic rewrite: a draw of a "
                "stored date replaces it. Prints \"imported N draws (A added, R replaced)\" and, when draws of "
                "other formats than 5 of 75 came in, how many of each."},
            {},
            "FILE cannot be read, holds a bad line or no draw at all, or the draw file cannot be written (locked by "
            "another writer, disk full)"},
        {"export", &CliCommands::exportDraws, "FILE", "write every draw to a text file",
            {"Writes every draw to FILE as \"Export nach Text\" does: one line YYYYMMDD;n1;n2;n3;n4;n5;MB;MP; per "
             "draw with CR LF. FILE is replaced whole or not at all."},
            {}, "the draw file cannot be read or FILE cannot be written"},
        {"check", &CliCommands::check, "YYYY-MM-DD n1 n2 n3 n4 n5 MB", "check one tip row against a draw",
            {"Compares the row with the draw the window shows for the date (the first draw on or after it, else "
             "the newest) and prints that draw and the hits, as \"draw: 2017-10-27 17 27 41 51 52 13 5\" and "
             "\"hits: 3 + MB\". A number outside its range counts as an empty field."},
            {}, "the draw file cannot be read or holds no draw"},
        {"update", &CliCommands::update, "[--url URL] [--proxy HOST:PORT]",
            "load the draws since the last one from the draw service",
            {"Asks the draw-results service for every draw date after the last stored draw and appends each "
             "answer, as \"Datenbank aktualisieren\" does. Prints each appended draw (YYYY-MM-DD n1 n2 n3 n4 n5 MB "
             "MP) and \"updated: N draws\"; requests that got no usable answer are skipped and counted in a "
             "warning on stderr."},
            {{"--url URL",
                 "the service address, http or https (default: the window's \"Ziehungsdienst\", else "
                 "http://127.0.0.1:8787)"},
                {"--proxy HOST:PORT",
                    "send the requests through this HTTP proxy (default: the window's proxy settings)"}},
            "the address is no http or https URL, the proxy port is not 1 to 65535, an answer is no list of draws "
            "(it is printed on stderr), or the draw file cannot be written"},
        {"stats", &CliCommands::stats,
            "numbers|pairs|triples|quads|overdue|sums|megaball|megaball-overdue [--from DATE] [--to DATE]",
            "print the counts of one chart",
            {"Prints one \"X Y\" line per bar of that chart of the window: the number distribution, pairs, runs of "
             "three and four, overdue numbers, cross sums, the Megaball's frequency or its overdue count; then "
             "\"title: \" with the chart's bottom-axis title (empty when the number or sum chart has no draw in "
             "the range)."},
            {{"--from DATE", "the first draw counted (default: the format's first draw, 2013-10-22 for mm-2013)"},
                {"--to DATE", "the last draw counted (default today)"}},
            UnreadableStore},
        {"pool", &CliCommands::pool, "[--from DATE] [--end DATE] [--defaults] [--set NAME=VALUE]...",
            "print the candidate pool of a generation run",
            {"Builds the weighted pool of candidate numbers a generation run draws from and prints the three "
             "reference draws, \"pool: \" with the entries in drawing order and \"count: N\". The status texts of "
             "the build go to stderr. The generation options are the ones the window stored."},
            {From, End, Defaults, Set}, "a --set names no option or a value outside its range, or " + UnreadableStore},
        {"filter", &CliCommands::filter,
            "n1 n2 n3 n4 n5 MB [--end DATE] [--from DATE] [--defaults] [--set NAME=VALUE]... "
            "[--row n1,n2,n3,n4,n5]...",
            "run the acceptance tests on one row",
            {"Runs the acceptance tests of a generation run on the row (five main numbers and the Megaball) and "
             "prints \"accepted\" or \"rejected: \" and the first test it fails; both end with exit code 0."},
            {{"--row n1,n2,n3,n4,n5", "a row already on the sheet above it, 0 for an empty field; may be repeated"},
                End, From, Defaults, Set},
            "the row is not five different main numbers and a Megaball (or 0) of the format, a --row does not parse, a "
            "--set is refused, or "
                + UnreadableStore},
        {"generate", &CliCommands::generate,
            "[--seed N] [--from DATE] [--end DATE] [--rows N] [--defaults] [--set NAME=VALUE]... "
            "[--lock R=n1,n2,n3,n4,n5[,MB]]...",
            "compute tip rows as \"Tipps berechnen\" does",
            {"Makes one generation run on the same engine as \"Tipps berechnen\", without the preferred-number list, "
             "and prints the twelve rows \"R: n1 n2 n3 n4 n5 MB\" (an empty field as -), then \"status: \" with the "
             "final status text and \"attempts: \" with the attempts used. The same seed, history and options give "
             "the same rows as the window. The budget is UpDown7 thousand attempts."},
            {{"--seed N", "seed the random generator as the lucky number does (default: from the clock)"}, From, End,
                {"--rows N", "the number of rows to compute, 1 to 12 (the option UpDown8)"}, Defaults, Set, Lock},
            "options exclude each other (they are named, as the window names them before a run), a --set is "
            "refused, or "
                + UnreadableStore},
        {"tiplist", &CliCommands::tiplist, "TIPFILE [--date YYYY-MM-DD]", "print the tip list of a tip file",
            {"Loads the tip file (*.hlt) into an empty sheet, compares it with the draw the window shows for the "
             "date, which sorts the complete rows, and prints the lines that \"Tipp ausdrucken\" writes to Tipp.txt "
             "for that draw."},
            {{"--date YYYY-MM-DD",
                "the date of the shown draw: the first draw on or after it, else the newest "
                "(default today)"}},
            "TIPFILE is no tip file, a line holds a main number twice, a row cannot be printed (an empty field), "
            "or "
                + UnreadableStore},
        {"script", &CliCommands::script, "TEMPLATE TIPFILE [--defaults] [--set NAME=VALUE]...",
            "print a click script filled from a tip file",
            {"Fills the placeholders of the click-script template (*.xrt) from the tip file as the hand-off of "
             "\"Tipp abgeben\" does and prints the result; it writes no file. [TIPPDATEI] becomes the tip file's "
             "absolute path; [DAUER], [DI] and [FR] follow the options CheckBox1 to CheckBox3, stored or set here "
             "(--set Chekcbox2=1)."},
            {Defaults, Set},
            "the template or the tip file cannot be read, is too large or is refused (a main number twice in a "
            "line), or a --set is refused"},
        {"backtest", &CliCommands::backtest,
            "--start DATE --seed N [--seeds K] [--from DATE] [--defaults] [--set NAME=VALUE]... "
            "[--lock R=n1,n2,n3,n4,n5[,MB]]...",
            "back-test the generation options over the history",
            {"The settings back-test of the \"Datenbank\" page: from the start date on, a week at a time, a "
             "generation run from the draws known then (seeded anew at every pass, UpDown8 rows) is checked against "
             "the first draw at least a week later, until a pass ends on the newest draw. Prints the report the "
             "window writes to Test.rtf: rows by hits, passes and rows, then the rows by prize class beside as many "
             "random rows and beside chance, the winnings without the jackpot, the stake at the stored ticket "
             "price (in another format than mm-2013 at that format's price, named above the report), the return "
             "and an exact binomial test of the share of winning rows."},
            {{"--start DATE", "the date of the first pass (required)"},
                {"--seed N", "the seed of every pass (required)"},
                {"--seeds K",
                    "run the seeds N to N+K-1 (K up to 1000000) on every core and add their spread: mean, median, "
                    "2.5% and 97.5% points"},
                From, Defaults, Set, Lock},
            "options exclude each other, a --set is refused, or " + UnreadableStore},
        {"repeats", &CliCommands::repeats, "--start DATE [--from DATE]", "count how draws repeat earlier draws",
            {"The repeat analysis of the \"Datenbank\" page, asking nothing: from the start date on, each draw is "
             "compared with the earlier draws since --from and with the draw after it; prints the counts of draws "
             "with 0 to 5 numbers in common beside what chance gives, with its 95% range and an exact binomial "
             "test."},
            {{"--start DATE", "the first draw compared (required)"}, From}, UnreadableStore},
        {"backtest-grid", &CliCommands::backtestGrid,
            "--start DATE --seed N [--seeds K] --vary NAME=FROM..TO[:STEP] [--vary NAME=FROM..TO[:STEP]] "
            "[--split DATE] [--from DATE] [--defaults] [--set NAME=VALUE]... [--lock R=n1,n2,n3,n4,n5[,MB]]...",
            "compare settings by back-tests, in sample and out of sample",
            {"Back-tests every combination of one or two varied generation options, as \"backtest\" does, over the "
             "same seeds and passes. The passes evaluated before the split date rank the settings by their share of "
             "winning rows and by their return, each beside chance, with a p-value per setting and the same "
             "Holm-adjusted over the settings; the setting with the highest share in sample is then back-tested "
             "alone over the passes from the split date on. The last sentence says whether anything remains "
             "significant after the adjustment and out of sample.",
                "A p-value counts passes, not rows: the rows of one pass, and of every seed, meet the same draw. A "
                "grid of more than 10000 back-tests (settings times seeds) is refused before any work."},
            {{"--start DATE", "the date of the first pass (required)"}, {"--seed N", "the first seed (required)"},
                {"--seeds K", "back-test every setting with the seeds N to N+K-1 (default 1)"},
                {"--vary NAME=FROM..TO[:STEP]",
                    "vary a check box (Chekcbox2=0..1) or a spin value (UpDown8=4..12:4) by its stored name, within "
                    "its range; once or twice"},
                {"--split DATE",
                    "the first date of the out-of-sample period (default: the middle between the start date and "
                    "the newest draw)"},
                From, Defaults, Set, Lock},
            "a combination is refused (a value outside its range beside the other, options that exclude each "
            "other), the split leaves a period without passes, a --set is refused, or "
                + UnreadableStore},
        {"wheel", &CliCommands::wheel,
            "--numbers N,N,... --guarantee T/P [--key N,...] [--megaball M,...] [--each-megaball] [--seed S] "
            "[--out FILE.hlt] | --check FILE.hlt --numbers N,N,... --guarantee T/P",
            "build a wheel of rows with a proven guarantee, or prove one",
            {"Builds a small set of rows from 6 to 30 chosen numbers with the guarantee \"T if P\": every P of the "
             "chosen numbers that are drawn lie, T of them at least, in one row. The rows are checked against every "
             "P of the chosen numbers before they are printed, one row per line (numbers only); then rows: N, the "
             "verified guarantee, the cost at the stored ticket price, the least and most rows with 3, 4 and 5 hits "
             "for each count of drawn numbers among the chosen, and the chance of each prize class beside as many "
             "random rows.",
                "With --check, proves the guarantee of the rows of a tip file, or names a set of P numbers that no "
                "row meets."},
            {{"--numbers N,N,...", "the chosen numbers, 6 to 30 of them (required)"},
                {"--guarantee T/P", "T if P, with 1 <= T <= P <= 5 (required)"},
                {"--key N,...", "numbers that every row holds"},
                {"--megaball M,...", "Megaballs given to the rows in turn"},
                {"--each-megaball", "every row once with each Megaball of --megaball"},
                {"--seed S", "another search of the same quality; the same seed gives the same rows"},
                {"--out FILE.hlt", "write every row to a tip file"},
                {"--check FILE.hlt", "prove the guarantee of the rows of a tip file instead"}},
            "the request is refused (too large to prove: a weaker guarantee that can be built is named), a --check "
            "finds a set no row meets, or the tip file cannot be read or written"},
        {"help", &help, "[COMMAND]", "print the list of commands, or the usage of one",
            {"Prints what devudirurero-cli --help prints, or with a COMMAND what COMMAND --help prints: its usage, "
             "options and exit codes."},
            {}, ""},
    };
    return table;
}

const Cli::Command *Cli::findCommand(const QString &name)
{
    const auto &table = commands();
    const auto found
        = std::find_if(table.begin(), table.end(), [&](const Command &command) { return command.name == name; });
    return found == table.end() ? nullptr : &*found;
}

QString Cli::usageLine(const Command &command)
{
    QString line = Tool + QStringLiteral(" [--dir DIR] [--game ID] ") + command.name;
    if (!command.arguments.isEmpty())
        line += QLatin1Char(' ') + command.arguments;
    return line;
}

namespace {
std::vector<Item> exitCodes(const QString &failure)
{
    std::vector<Item> codes{{"0", "success"}};
    if (!failure.isEmpty())
        codes.push_back({"1", failure + QStringLiteral("; the message is on stderr")});
    codes.push_back({"2", "a command line that does not parse; the usage is on stderr"});
    return codes;
}
} // namespace

ProgramHelp::Page Cli::helpPage(const Command &command)
{
    ProgramHelp::Page page{
        Tool + QLatin1Char(' ') + command.name, command.summary, {usageLine(command)}, command.description, {}};
    if (!command.options.empty())
        page.sections.push_back({QStringLiteral("options"), command.options});
    page.sections.push_back({QStringLiteral("exit status"), exitCodes(command.failure)});
    return page;
}

ProgramHelp::Page Cli::toolPage()
{
    ProgramHelp::Page page{Tool, QStringLiteral("the computations of devudirurero without a window"),
        {Tool + QStringLiteral(" [--dir DIR] [--game ID] COMMAND [ARGUMENTS]"),
            Tool + QStringLiteral(" COMMAND --help"), Tool + QStringLiteral(" help [COMMAND]"),
            Tool + QStringLiteral(" --version")},
        {QStringLiteral("Runs the computations of the DevuDirurero window on its draw file Devudirurero.dat and "
                        "prints the results: the draws, imports and exports, the update from the draw service, "
                        "the statistics, tip generation, the acceptance tests, the tip list, click scripts and the "
                        "historical analyses. Commands that generate read the generation options the window "
                        "stored. Dates are written YYYY-MM-DD. Each command answers --help with its usage, options "
                        "and exit codes.")},
        {}};
    std::vector<Item> list;
    for (const Command &command : commands())
        list.push_back({command.name, command.summary});
    page.sections.push_back({QStringLiteral("commands"), list});
    page.sections.push_back({QStringLiteral("options"),
        {{"--dir DIR",
             "the folder of the draw file (default: the window's program folder: beside the program, or "
             "~/.local/share/Morvak/DevuDirurero/ for an installed one)"},
            {QStringLiteral("--game ID"),
                QStringLiteral("the game format to work in, one of %1 (default: the format of the newest stored "
                               "draw). The commands that count, generate, check and back-test use its numbers and "
                               "only its draws; stored options beyond its ranges are brought into them and said so "
                               "on stderr. An unknown ID is a usage error that names the known ones.")
                    .arg(Games::idList())},
            {"--help, -h", "print this help, or after a command that command's help, and exit"},
            {"--version", "print the version and exit"}}});
    page.sections.push_back({QStringLiteral("exit status"),
        {{"0", "success"}, {"1", "refused input or a failed operation; the message is on stderr"},
            {"2",
                "a command line that does not parse: an unknown command or option, a wrong number of arguments, a "
                "missing or malformed value; the usage is on stderr"}}});
    page.sections.push_back({QStringLiteral("files"),
        {{"Devudirurero.dat", "the draw history in the folder of --dir"},
            {"Devudirurero.dat.lock",
                "held beside it while a command writes the draws; another writer waits up to 5 seconds"},
            {"~/.config/Morvak/DevuDirurero.reg",
                "the window's settings: the generation options, the ticket price, the service address and proxy"}}});
    return page;
}
