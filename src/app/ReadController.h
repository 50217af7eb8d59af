#pragma once

#include <QElapsedTimer>
#include <QObject>

class Form1;
class QProgressBar;

/// The read cycle in the window: a new path in the input box arms the read timer, and the timer
/// reads the path into the table while the window stays responsive.
class ReadController : public QObject {
    Q_OBJECT
public:
    explicit ReadController(Form1& form);

    /// How long a read runs before the progress bar appears beside the status text, and how
    /// often at most it lets the window process its events.
    void SetTiming(int progressDelay, int yieldInterval)
    {
        m_progressDelay = progressDelay;
        m_yieldInterval = yieldInterval;
    }
    QProgressBar* ProgressBar() const { return m_progress; }
    bool IsRunning() const { return m_running; }

    /// The input box's text changed: arms the timer when it names an existing file or folder.
    void OnTextChanged();
    /// The timer's tick: one read cycle of the input box's path. A tick during a cycle only asks
    /// for another cycle once this one has ended, so the latest path is read.
    void RunCycle();

private:
    void Read();
    void Yield(qsizetype done, qsizetype total);
    void FitProgressText(int total);
    void FitColumns();

    Form1& m_form;
    QProgressBar* m_progress;
    QElapsedTimer m_clock;
    QElapsedTimer m_sinceYield;
    int m_progressDelay = 500;
    // Often enough to keep the window responsive, rarely enough not to slow a long read down.
    int m_yieldInterval = 30;
    bool m_running = false;
    bool m_pending = false;
};
