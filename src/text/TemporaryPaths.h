#pragma once

#include <QString>
#include <csignal>

/// The temporary files and folders of a run, kept where a signal handler can reach them: a run
/// ended by a signal removes them before it exits, so that it leaves nothing behind.
class TemporaryPaths {
public:
    /// Keeps a path registered for as long as it lives; a path that does not fit is not kept.
    class Registration {
    public:
        Registration(const QString& path, bool isFolder);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        int m_slot = -1;
    };

    /// Holds the handled signals back while it lives: a file created and then registered inside
    /// it cannot be left behind unregistered.
    class Deferral {
    public:
        Deferral();
        ~Deferral();
        Deferral(const Deferral&) = delete;
        Deferral& operator=(const Deferral&) = delete;

    private:
        sigset_t m_old;
    };

    /// Removes every registered path, a folder with everything in it. Safe inside a signal
    /// handler: it neither allocates nor takes locks.
    static void RemoveAll();
    /// On SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGXFSZ: RemoveAll, then the process exits with
    /// status 128 + the signal's number. A signal the process was started with ignored (as nohup
    /// does with SIGHUP) stays ignored.
    static void InstallSignalHandlers();
};
