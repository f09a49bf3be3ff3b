// Every window's registered components, in creation order, against the lists kept in
// tests/app/ui/components/: localization's files line up with this order, so any change
// to it has to be a visible decision. DEVU_WRITE_COMPONENT_LISTS=1 writes the lists anew.
#include "ui/window_fixture.h"

#include "ui/form_builder.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTest>

namespace {
QString listFolder()
{
    return QStringLiteral(DEVU_TESTS_DIR "/app/ui/components");
}

QStringList linesOf(const ComponentList &components)
{
    QStringList lines;
    for (const Component &component : components.components())
        lines << QStringLiteral("%1 %2 %3")
                     .arg(component.name, QString::fromLatin1(componentKindName(component.kind)))
                     .arg(component.tag);
    return lines;
}
} // namespace

class ComponentListsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsInCreationOrder()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        QStringList names;
        for (const WindowRegistry::Window &window : w.windows().windows())
            names << window.name;
        QCOMPARE(names,
            (QStringList{
                QStringLiteral("Form1"), QStringLiteral("Form3"), QStringLiteral("Form6"), QStringLiteral("XRTForm")}));
    }

    void eachWindowsListIsPinned()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        const bool write = qEnvironmentVariableIntValue("DEVU_WRITE_COMPONENT_LISTS") == 1;
        for (const WindowRegistry::Window &window : w.windows().windows()) {
            const QStringList actual = linesOf(*window.components);
            QFile file(QDir(listFolder()).filePath(window.name + QStringLiteral(".txt")));
            if (write) {
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write((actual.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
                continue;
            }
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i)
                QVERIFY2(actual.value(i) == expected.value(i),
                    qPrintable(QStringLiteral("%1, entry %2: is \"%3\", the list says \"%4\"")
                                   .arg(window.name)
                                   .arg(i)
                                   .arg(actual.value(i), expected.value(i))));
        }
    }

    void namesAreUniqueWithinAWindow()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        for (const WindowRegistry::Window &window : w.windows().windows()) {
            QSet<QString> seen;
            for (const Component &component : window.components->components()) {
                QVERIFY2(!seen.contains(component.name), qPrintable(window.name + QLatin1Char(' ') + component.name));
                seen.insert(component.name);
            }
        }
    }

    // Every widget that shows a text of its own is registered, so that a language can
    // reach it: a label, button or group box outside the list would stay German.
    void everyCaptionedWidgetIsRegistered()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        for (const WindowRegistry::Window &window : w.windows().windows()) {
            QSet<const QObject *> registered;
            for (const Component &component : window.components->components())
                registered.insert(component.object.data());
            const auto unregistered = [&](const QWidget *widget) {
                // Children of a dialog belong to that dialog's list.
                return widget->window() == window.widget && !registered.contains(widget)
                    && !widget->objectName().startsWith(QLatin1String("qt_"));
            };
            for (const QLabel *label : window.widget->findChildren<QLabel *>()) {
                // The pieces of a check box's caption belong to the box.
                if (label->text().isEmpty())
                    continue;
                QVERIFY2(!unregistered(label) || label->property(FormWidgets::CaptionPieceProperty).toBool(),
                    qPrintable(window.name + QStringLiteral(": a label \"") + label->text() + QStringLiteral("\"")));
            }
            for (const QAbstractButton *button : window.widget->findChildren<QAbstractButton *>())
                QVERIFY2(!unregistered(button) || button->text().isEmpty(),
                    qPrintable(window.name + QStringLiteral(": a button \"") + button->text() + QStringLiteral("\"")));
            for (const QGroupBox *group : window.widget->findChildren<QGroupBox *>())
                QVERIFY2(!unregistered(group),
                    qPrintable(window.name + QStringLiteral(": a group \"") + group->title() + QStringLiteral("\"")));
        }
    }
};

QTEST_MAIN(ComponentListsTest)
#include "component_lists_gui_test.moc"
