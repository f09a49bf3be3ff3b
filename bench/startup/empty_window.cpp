// An empty Qt main window of a given size: what the start-up benchmark compares the
// program with. Usage: startup_empty_window WIDTH HEIGHT
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty main window"));
    window.resize(args.value(1, QStringLiteral("1000")).toInt(), args.value(2, QStringLiteral("600")).toInt());
    window.show();
    return app.exec();
}
