#include "ReadController.h"

#include "DocumentTableModel.h"
#include "FileSystemObject.h"
#include "Form1.h"
#include "ReadCycle.h"
#include "StatusBar.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

ReadController::ReadController(Form1& form)
    : QObject(&form), m_form(form), m_progress(new QProgressBar(form.StatusBar1))
{
    m_progress->setFormat(QStringLiteral("%v из %m"));
    m_progress->hide();
    form.StatusBar1->addPermanentWidget(m_progress);
    connect(form.TxtFileIn, &QLineEdit::textChanged, this, &ReadController::OnTextChanged);
    connect(form.ReadTimer, &QTimer::timeout, this, &ReadController::RunCycle);
}

void ReadController::OnTextChanged()
{
    const QString path = m_form.TxtFileIn->text();
    if (FileSystemObject::FileExists(path) || FileSystemObject::FolderExists(path))
        m_form.ReadTimer->start();
    // During a cycle the table is half filled; the cycle sets the save button when it ends.
    if (!m_running)
        m_form.CommandSaveAs->setEnabled(m_form.Table()->rowCount() > 0);
}

void ReadController::RunCycle()
{
    m_form.ReadTimer->stop();
    if (m_running) {
        m_pending = true;
        return;
    }
    m_running = true;
    Read();
    m_running = false;
    if (m_pending) {
        m_pending = false;
        m_form.ReadTimer->start();
    }
}

void ReadController::Read()
{
    // The path of the tick: one that arrives while this cycle yields is read by the next.
    const QString path = m_form.TxtFileIn->text();
    m_form.setCursor(Qt::WaitCursor);
    // Exporting a half-read table would write a partial statement.
    m_form.CommandSaveAs->setEnabled(false);
    m_form.ShowStatusText(ReadCycle::ProgressText(), -1);
    QCoreApplication::processEvents();
    m_clock.start();
    m_sinceYield.start();
    m_form.List->setUpdatesEnabled(false);
    const StatusMessage status =
        ReadCycle(*m_form.Table(), [this](qsizetype done, qsizetype total) {
            Yield(done, total);
        }).Run(path);
    m_form.List->setUpdatesEnabled(true);
    const bool found = m_form.Table()->rowCount() > 0;
    if (found)
        FitColumns();
    m_progress->hide();
    m_form.ShowStatusText(status);
    m_form.unsetCursor();
    m_form.CommandSaveAs->setEnabled(found);
}

void ReadController::Yield(qsizetype done, qsizetype total)
{
    if (m_sinceYield.elapsed() < m_yieldInterval)
        return;
    if (total > 0 && m_clock.elapsed() >= m_progressDelay) {
        FitProgressText(int(total));
        m_progress->setRange(0, int(total));
        m_progress->setValue(int(done));
        m_progress->show();
    }
    QCoreApplication::processEvents();
    m_sinceYield.restart();
}

void ReadController::FitProgressText(int total)
{
    // The longest text the bar shows is the total counted out of itself; room for a few more
    // characters keeps it clear of the bar's frame.
    const QFontMetrics metrics = m_progress->fontMetrics();
    const QString longest = m_progress->format()
                                .replace(QLatin1String("%v"), QString::number(total))
                                .replace(QLatin1String("%m"), QString::number(total));
    m_progress->setFixedWidth(
        std::max(m_progress->sizeHint().width(),
                 metrics.horizontalAdvance(longest) + 4 * metrics.averageCharWidth()));
}

void ReadController::FitColumns()
{
    for (int column = 0; column < m_form.Table()->columnCount(); ++column)
        m_form.List->resizeColumnToContents(column);
}
