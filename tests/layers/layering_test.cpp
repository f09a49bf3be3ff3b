// The floors of the source tree, checked from the includes: the compiler cannot do it,
// because <QtWidgets/QWidget> resolves against Qt Core's include root and every folder
// sees every other. A file's folder says which floor it stands on:
//
//   core      app/ draws/ tipsheet/ analysis/ generator/ history/ output/ wheels/ cli/
//                                  no widget header
//   ui base   ui/                  widget helpers: ui/ and the core below the generator
//   pages     <subsystem>/ui/      core, ui/, pages and dialogs; no controller of another
//                                  subsystem, nothing of app/ui/
//   root      app/ui/              everything
//
// Within the core, folders include downward only (app at the bottom, the historical
// analyses of history/ above the generator). No two folders include each other,
// directly or around a circle. The core names the generation options; only the option
// table reads them by control number.
#include "qt_header_dirs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>
#include <map>
#include <set>

namespace {
// Which core folders a core folder may include (itself always).
const std::map<QString, QStringList> &coreBelow()
{
    static const std::map<QString, QStringList> below{
        {QStringLiteral("app"), {}},
        {QStringLiteral("draws"), {QStringLiteral("app")}},
        {QStringLiteral("tipsheet"), {QStringLiteral("app"), QStringLiteral("draws")}},
        {QStringLiteral("analysis"), {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet")}},
        {QStringLiteral("generator"),
            {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet"), QStringLiteral("analysis")}},
        {QStringLiteral("history"),
            {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet"), QStringLiteral("analysis"),
                QStringLiteral("generator")}},
        {QStringLiteral("output"),
            {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet"), QStringLiteral("analysis"),
                QStringLiteral("generator")}},
        {QStringLiteral("wheels"), {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet")}},
        {QStringLiteral("cli"),
            {QStringLiteral("app"), QStringLiteral("draws"), QStringLiteral("tipsheet"), QStringLiteral("analysis"),
                QStringLiteral("generator"), QStringLiteral("history"), QStringLiteral("output"),
                QStringLiteral("wheels")}},
    };
    return below;
}

// "draws/ui/draw_view.h" -> "draws/ui"; "app/clock.h" -> "app"; "QDate" -> "".
QString folderOf(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() < 2)
        return {};
    if (parts.size() >= 3 && parts[1] == QLatin1String("ui"))
        return parts[0] + QStringLiteral("/ui");
    return parts[0];
}

bool isCore(const QString &folder)
{
    return coreBelow().count(folder) > 0;
}
} // namespace

class LayerRules {
public:
    // Header file names (both "QWidget" and "qwidget.h") that belong to QtGui,
    // QtWidgets, QtCharts or QtMultimedia.
    explicit LayerRules(QSet<QString> widgetHeaders)
        : m_widgetHeaders(std::move(widgetHeaders))
    { }

    static QStringList includesOf(const QByteArray &source)
    {
        static const QRegularExpression include(
            QStringLiteral("^[ \\t]*#[ \\t]*include[ \\t]*[<\"]([^>\"]+)[>\"]"), QRegularExpression::MultilineOption);
        QStringList result;
        auto it = include.globalMatch(QString::fromUtf8(source));
        while (it.hasNext())
            result << it.next().captured(1);
        return result;
    }

    // What is wrong with `path` (relative to src/) including `header`; empty when nothing.
    QString violation(const QString &path, const QString &header) const
    {
        const QString from = folderOf(path);
        const QString to = folderOf(header);
        const bool projectHeader = !to.isEmpty() && (isCore(to) || to == QLatin1String("ui") || to.endsWith(u"/ui"));
        if (isCore(from)) {
            if (isWidgetHeader(header))
                return QStringLiteral("a UI-free file includes the widget header %1").arg(header);
            if (!projectHeader)
                return {};
            if (!isCore(to))
                return QStringLiteral("a UI-free file includes %1 of the window floors").arg(header);
            if (to == from || coreBelow().at(from).contains(to))
                return {};
            return QStringLiteral("%1/ may not include %2 (core folders include downward only)").arg(from, header);
        }
        if (!projectHeader)
            return {};
        if (to == QLatin1String("app/ui") && from != QLatin1String("app/ui"))
            return QStringLiteral("only the main window's folder includes %1").arg(header);
        if (from == QLatin1String("ui") && to != QLatin1String("ui") && !isCore(to))
            return QStringLiteral("ui/ knows no page, but includes %1").arg(header);
        // The application's contracts and models live in the core, not among the helpers.
        if (from == QLatin1String("ui") && isCore(to) && to != QLatin1String("analysis")
            && !coreBelow().at(QStringLiteral("analysis")).contains(to))
            return QStringLiteral("ui/ holds widget helpers only, but includes %1").arg(header);
        if (from.endsWith(u"/ui") && from != QLatin1String("app/ui") && to.endsWith(u"/ui") && to != from
            && header.endsWith(u"_controller.h"))
            return QStringLiteral("%1/ includes another subsystem's controller %2").arg(from, header);
        return {};
    }

    bool isWidgetHeader(const QString &header) const
    {
        static const QRegularExpression module(
            QStringLiteral("^(QtGui|QtWidgets|QtCharts|QtMultimedia)(/|$)"), QRegularExpression::CaseInsensitiveOption);
        if (module.match(header).hasMatch())
            return true;
        const QString name = header.section(QLatin1Char('/'), -1);
        return m_widgetHeaders.contains(name) || m_widgetHeaders.contains(name.toLower());
    }

    // Calls that read or write a generation option by control number (settings.checkBox(31),
    // GenerationOptions::spin(6)), each as found.
    static QStringList numberedOptionCalls(const QByteArray &source)
    {
        static const QRegularExpression call(QStringLiteral(
            "\\b(?:setCheckBox|setUpDown|checkBox|upDown|GenerationOptions::spin)[ \\t]*\\([^)\\n]*\\)?"));
        QStringList result;
        auto it = call.globalMatch(QString::fromUtf8(source));
        while (it.hasNext())
            result << it.next().captured(0);
        return result;
    }

    // Folders that include each other around a circle, as "a -> b -> a"; empty when none.
    static QString folderCircle(const std::map<QString, std::set<QString>> &edges)
    {
        std::map<QString, int> state; // 1 on the current path, 2 done
        QStringList path;
        QString found;
        std::function<bool(const QString &)> visit = [&](const QString &node) {
            state[node] = 1;
            path << node;
            const auto it = edges.find(node);
            if (it != edges.end()) {
                for (const QString &next : it->second) {
                    if (state[next] == 1) {
                        found
                            = path.mid(path.indexOf(next)).join(QStringLiteral(" -> ")) + QStringLiteral(" -> ") + next;
                        return true;
                    }
                    if (state[next] == 0 && visit(next))
                        return true;
                }
            }
            path.removeLast();
            state[node] = 2;
            return false;
        };
        for (const auto &[node, targets] : edges)
            if (state[node] == 0 && visit(node))
                return found;
        return {};
    }

private:
    QSet<QString> m_widgetHeaders;
};

namespace {
QSet<QString> headersIn(const QString &dirs)
{
    QSet<QString> names;
    for (const QString &dir : dirs.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        for (const QString &name : QDir(dir).entryList(QDir::Files))
            names.insert(name);
    return names;
}

QSet<QString> installedWidgetHeaders()
{
    QSet<QString> names = headersIn(QStringLiteral(DEVU_WIDGET_HEADER_DIRS));
    names.subtract(headersIn(QStringLiteral(DEVU_CORE_HEADER_DIRS)));
    return names;
}
} // namespace

class LayeringTest : public QObject {
    Q_OBJECT

    LayerRules m_rules{installedWidgetHeaders()};

private slots:
    void theSourceTreeKeepsItsFloors()
    {
        const QDir src(QStringLiteral(DEVU_SOURCE_DIR "/src"));
        QStringList problems;
        std::map<QString, std::set<QString>> edges;
        int files = 0;
        QDirIterator it(
            src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString path = src.relativeFilePath(file);
            QFile source(file);
            QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(file));
            ++files;
            const QByteArray text = source.readAll();
            if (isCore(folderOf(path)) && !path.startsWith(u"generator/generation_options."))
                for (const QString &call : LayerRules::numberedOptionCalls(text))
                    problems << path + QStringLiteral(": names an option by its control number: ") + call;
            for (const QString &header : LayerRules::includesOf(text)) {
                if (const QString problem = m_rules.violation(path, header); !problem.isEmpty())
                    problems << path + QStringLiteral(": ") + problem;
                const QString from = folderOf(path);
                const QString to = folderOf(header);
                if (!to.isEmpty() && to != from && QFile::exists(src.filePath(header)))
                    edges[from].insert(to);
            }
        }
        QVERIFY(files > 50);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        const QString circle = LayerRules::folderCircle(edges);
        QVERIFY2(circle.isEmpty(), qPrintable(QStringLiteral("folders include each other: ") + circle));
    }

    void widgetHeadersAreKnown()
    {
        // The list comes from the installed Qt; without it the check would pass anything.
        for (const char *name : {"QWidget", "qwidget.h", "QPainter", "QChartView", "QSoundEffect"})
            QVERIFY2(m_rules.isWidgetHeader(QString::fromLatin1(name)), name);
        for (const char *name : {"QString", "QDate", "QNetworkReply", "QObject", "qstring.h"})
            QVERIFY2(!m_rules.isWidgetHeader(QString::fromLatin1(name)), name);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("allowed");
        const auto row = [](const char *tag, const char *path, const char *header, bool allowed) {
            QTest::newRow(tag) << QString::fromLatin1(path) << QString::fromLatin1(header) << allowed;
        };
        row("core, module path", "draws/draw_store.cpp", "QtWidgets/QWidget", false);
        row("core, module header", "generator/generation_run.h", "QtGui", false);
        row("core, class header", "app/clock.cpp", "QColor", false);
        row("core, lower-case file", "analysis/hit_rule.cpp", "qwidget.h", false);
        row("core, charts", "cli/cli.cpp", "QtCharts/QChart", false);
        row("core, multimedia", "app/clock.cpp", "QSoundEffect", false);
        row("core, Qt Core", "app/clock.cpp", "QtCore/QDate", true);
        row("core, network", "draws/draw_updater.cpp", "QNetworkAccessManager", true);
        row("core, a ui header", "draws/draw_store.cpp", "ui/platform.h", false);
        row("core, a page", "generator/generation_run.cpp", "tipsheet/ui/tip_sheet_page.h", false);
        row("app includes nothing above", "app/message_table.cpp", "draws/draw.h", false);
        row("draws includes app", "draws/draw_store.cpp", "app/result.h", true);
        row("generator includes analysis", "generator/generation_run.h", "analysis/draw_statistics.h", true);
        row("analysis counts stay below the generator", "analysis/hit_rule.cpp", "generator/random_source.h", false);
        row("the back-test uses the generator", "history/backtest.cpp", "generator/generation_run.h", true);
        row("no analysis above the generator", "analysis/shown_draw.cpp", "generator/generation_run.h", false);
        row("the generator stays below the analyses", "generator/generation_run.cpp", "history/backtest.h", false);
        row("output uses the generator", "output/click_script.cpp", "generator/generation_options.h", true);
        row("wheels stand beside the analyses", "wheels/wheel_report.cpp", "analysis/prize_classes.h", false);
        row("the command line builds wheels", "cli/wheel_command.cpp", "wheels/wheel.h", true);
        row("ui base knows no page", "ui/form_builder.cpp", "draws/ui/database_page.h", false);
        row("ui base uses the core", "ui/session_state.h", "analysis/hit_rule.h", true);
        row("ui base stays below the generator", "ui/form_builder.cpp", "generator/generation_options.h", false);
        row("a page uses ui base", "draws/ui/database_page.cpp", "ui/form_builder.h", true);
        row("a controller drives another page", "analysis/ui/tip_check_controller.cpp", "draws/ui/database_page.h",
            true);
        row("no controller of another subsystem", "generator/ui/generation_controller.cpp",
            "analysis/ui/chart_controller.h", false);
        row("own controller", "draws/ui/draw_controller.cpp", "draws/ui/draw_controller.h", true);
        row("no main window below it", "draws/ui/draw_controller.cpp", "app/ui/main_window.h", false);
        row("the main window knows everything", "app/ui/main_window.cpp", "draws/ui/draw_controller.h", true);
    }
    void rules()
    {
        QFETCH(QString, path);
        QFETCH(QString, header);
        QFETCH(bool, allowed);
        const QString problem = m_rules.violation(path, header);
        QVERIFY2(problem.isEmpty() == allowed, qPrintable(problem.isEmpty() ? QStringLiteral("allowed") : problem));
    }

    void includeSpellings()
    {
        const QStringList found = LayerRules::includesOf("#include <QtWidgets/QWidget>\n"
                                                         "  #  include \"ui/platform.h\"\n"
                                                         "// #include <QLabel> in a comment is not at line start\n"
                                                         "#include<qwidget.h>\n");
        QCOMPARE(found,
            (QStringList{
                QStringLiteral("QtWidgets/QWidget"), QStringLiteral("ui/platform.h"), QStringLiteral("qwidget.h")}));
    }

    void numberedOptions_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("found");
        const auto row = [](const char *source, QStringList found) {
            QTest::newRow(source) << QString::fromLatin1(source) << found;
        };
        row("if (settings.checkBox(31))", {QStringLiteral("checkBox(31)")});
        row("s.setUpDown(8, rows); s.upDown (6)", {QStringLiteral("setUpDown(8, rows)"), QStringLiteral("upDown (6)")});
        row("*GenerationOptions::spin(number)", {QStringLiteral("GenerationOptions::spin(number)")});
        row("settings.megaballCounts && ComponentKind::CheckBox", {});
        row("builder.spin(option); upDown6Maximum(on); m_checkBoxes(1)", {});
    }
    void numberedOptions()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, found);
        QCOMPARE(LayerRules::numberedOptionCalls(source.toUtf8()), found);
    }

    void circles()
    {
        std::map<QString, std::set<QString>> edges{{QStringLiteral("a"), {QStringLiteral("b")}},
            {QStringLiteral("b"), {QStringLiteral("c")}}, {QStringLiteral("c"), {QStringLiteral("a")}}};
        QCOMPARE(LayerRules::folderCircle(edges), QStringLiteral("a -> b -> c -> a"));
        edges[QStringLiteral("c")].clear();
        QVERIFY(LayerRules::folderCircle(edges).isEmpty());
    }
};

QTEST_GUILESS_MAIN(LayeringTest)
#include "layering_test.moc"
