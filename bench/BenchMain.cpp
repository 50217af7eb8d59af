// Measures reading and sorting many documents: vypiska-bench generate DIR COUNT [paydoc] | read
// PATH [REPEAT [CONFIG]] | window PATH. bench/read.sh runs the whole set and compares it with
// unzip.

#include "ColumnMap.h"
#include "DocumentGenerator.h"
#include "DocumentListController.h"
#include "DocumentTableModel.h"
#include "Form1.h"
#include "ReadController.h"
#include "ReadCycle.h"
#include "UserLocale.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

QString ConfigFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CONFIG"));
}

void Print(const QString& text)
{
    std::printf("%s\n", text.toUtf8().constData());
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int Read(const QString& path, int repeat, const QString& config)
{
    ColumnMap map;
    if (!map.Load(config))
        return 1;
    DocumentTableModel table;
    table.SetColumns(map.Columns());
    qint64 best = -1;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer clock;
        clock.start();
        ReadCycle(table).Run(path);
        const qint64 elapsed = clock.nsecsElapsed();
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    const double seconds = double(best) / 1e9;
    Print(QStringLiteral("read %1: %2 rows in %3 s (best of %4), %5 documents/s")
              .arg(path)
              .arg(table.rowCount())
              .arg(seconds, 0, 'f', 3)
              .arg(repeat)
              .arg(qRound(table.rowCount() / seconds)));
    return 0;
}

int Window(const QString& path)
{
    Form1 window(ConfigFolder());
    window.show();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.TxtFileIn->setText(path);
    window.findChild<ReadController*>()->RunCycle();
    QCoreApplication::processEvents();
    Print(QStringLiteral("window read: %1 rows in %2 s")
              .arg(window.Table()->rowCount())
              .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 3));
    auto* list = window.findChild<DocumentListController*>();
    const QList<DocumentColumn>& columns = window.Table()->Columns();
    for (const int column : {2, 1, 3, 0, 13, 19}) {
        clock.restart();
        list->SortByColumn(column);
        QCoreApplication::processEvents();
        Print(QStringLiteral("window sort by \"%1\": %2 s")
                  .arg(columns.value(column).caption)
                  .arg(clock.nsecsElapsed() / 1e9, 0, 'f', 3));
    }
    Print(QStringLiteral("window peak memory: %1 MB").arg(PeakKilobytes() / 1024));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallUserLocale();
    const QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == QLatin1String("generate") && arguments.size() >= 3)
        return DocumentGenerator::Write(arguments[1], arguments[2].toInt(),
                                        arguments.value(3) == QLatin1String("paydoc"))
                   ? 0
                   : 1;
    if (command == QLatin1String("read") && arguments.size() >= 2)
        return Read(arguments[1], std::max(1, arguments.value(2).toInt()),
                    arguments.value(3, ConfigFolder()));
    if (command == QLatin1String("window") && arguments.size() == 2)
        return Window(arguments[1]);
    std::fprintf(stderr,
                 "usage: vypiska-bench generate DIR COUNT [paydoc] | read PATH [REPEAT [CONFIG]] |"
                 " window PATH\n");
    return 2;
}
