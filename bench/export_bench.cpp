// Times the export of many read documents through the shipped statement template, and the whole
// folder-to-statement pipeline that `vypiska-cli export FOLDER` runs.
//
//   export_bench [--documents N] [--braces]     generate N documents, read them, time RenderExport
//   export_bench --generate DIR [N] [--braces]  only write N documents into DIR (for other
//   programs) export_bench --pipeline DIR OUT             read every *.xml of DIR, render and write
//   OUT, once
//
// --braces overwrites the start of every purpose of payment, keeping its length, with text that
// repeats other columns' placeholders and braces: it must export as fast as plain text.

#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "INIStorage.h"
#include "RenderExport.h"
#include "UserLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

const QString kConfig = QStringLiteral(VYPISKA_SOURCE_DIR "/config");
const QString kExamples = QStringLiteral(VYPISKA_SOURCE_DIR "/examples/documents");
const QString kTemplate = kConfig + QStringLiteral("/Выписка для бухгалтерии.txt.tpl");

// Copies of the compatible sample documents, each with its own number, so that every file is
// different and every one of them is read.
void Generate(const QString& folder, int count, bool braces)
{
    QDir().mkpath(folder);
    QList<QByteArray> samples;
    const QRegularExpression amount(QStringLiteral("<СуммаДок>[^<]+</СуммаДок>"));
    for (const QString& name : QDir(kExamples).entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        QFile file(QDir(kExamples).filePath(name));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (QString::fromUtf8(bytes).contains(amount))
            samples.append(bytes);
    }
    const QRegularExpression number(QStringLiteral("<НомерДок>\\d+</НомерДок>"));
    for (int i = 0; i < count; ++i) {
        QString text = QString::fromUtf8(samples[i % samples.size()]);
        text.replace(number, QStringLiteral("<НомерДок>%1</НомерДок>").arg(i + 1));
        if (braces) {
            const QString placeholders =
                QStringLiteral("{Номер}{Сумма}{ПлательщикИНН}{НазначениеПлатежа}{{Дата}}{x}}{");
            const qsizetype at = text.indexOf(QStringLiteral("<НазнПлат>")) + 10;
            if (text.indexOf(QStringLiteral("</НазнПлат>"), at) - at >= placeholders.size())
                text.replace(at, placeholders.size(), placeholders);
        }
        QFile file(
            QDir(folder).filePath(QStringLiteral("PP_%1.xml").arg(i, 6, 10, QLatin1Char('0'))));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }
}

void ReadFolder(const QString& folder, DocumentTableModel& table)
{
    ColumnMap map;
    map.Load(kConfig);
    table.SetColumns(map.Columns());
    DocumentParser parser(table);
    QList<DocumentRow> rows;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
        if (std::optional<DocumentRow> row = parser.RowFromFile(dir.filePath(name)))
            rows.append(*row);
    }
    table.AppendRows(rows);
}

double Milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

int Pipeline(const QString& folder, const QString& out)
{
    DocumentTableModel table;
    ReadFolder(folder, table);
    const bool ok =
        RenderExport(out, table, kTemplate, QDateTime::currentDateTime(), INIStorage(kConfig));
    return ok && table.rowCount() > 0 ? 0 : 1;
}

int Measure(int count, bool braces)
{
    QTemporaryDir dir;
    Generate(dir.filePath(QStringLiteral("docs")), count, braces);
    QElapsedTimer timer;
    timer.start();
    DocumentTableModel table;
    ReadFolder(dir.filePath(QStringLiteral("docs")), table);
    std::printf("read %d documents: %.1f ms\n", table.rowCount(), Milliseconds(timer));
    QList<double> runs;
    for (int i = 0; i < 7; ++i) {
        timer.restart();
        if (!RenderExport(dir.filePath(QStringLiteral("out.txt")), table, kTemplate,
                          QDateTime::currentDateTime(), INIStorage(kConfig)))
            return 1;
        runs.append(Milliseconds(timer));
    }
    std::sort(runs.begin(), runs.end());
    std::printf("export through the statement template (render + write): median %.1f ms, "
                "best %.1f ms, worst %.1f ms; %lld bytes\n",
                runs[runs.size() / 2], runs.first(), runs.last(),
                QFileInfo(dir.filePath(QStringLiteral("out.txt"))).size());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InstallUserLocale();
    QStringList arguments = app.arguments().mid(1);
    const bool braces = arguments.removeAll(QStringLiteral("--braces")) > 0;
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--generate")) {
        Generate(arguments[1], arguments.size() > 2 ? arguments[2].toInt() : 10000, braces);
        return 0;
    }
    if (arguments.size() == 3 && arguments[0] == QLatin1String("--pipeline"))
        return Pipeline(arguments[1], arguments[2]);
    const int count = arguments.size() == 2 && arguments[0] == QLatin1String("--documents")
                          ? arguments[1].toInt()
                          : 10000;
    return Measure(count, braces);
}
