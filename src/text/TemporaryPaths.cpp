#include "TemporaryPaths.h"

#include <QFile>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kSlots = 16;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGXFSZ};

enum SlotState { Free, Filling, Ready };

struct Slot {
    std::atomic<int> state{Free};
    bool isFolder = false;
    char path[PATH_MAX];
};

Slot g_slots[kSlots];
static_assert(std::atomic<int>::is_always_lock_free);

// A folder's entries as the kernel gives them; the C library's directory streams allocate.
struct DirectoryEntry {
    quint64 inode;
    qint64 offset;
    unsigned short length;
    unsigned char type;
    char name[1];
};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Removes what it can of the folder's entries; a sub-folder that is not empty is named into
// busy (NUL-terminated, at most PATH_MAX bytes) for the caller to descend into.
bool EmptySome(int folder, char* busy)
{
    alignas(8) char buffer[4096];
    for (;;) {
        const long read = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer);
        if (read <= 0)
            return false;
        for (long at = 0; at < read;) {
            const auto* entry = reinterpret_cast<const DirectoryEntry*>(buffer + at);
            at += entry->length;
            if (IsDotOrDotDot(entry->name) || ::unlinkat(folder, entry->name, 0) == 0)
                continue;
            if (errno != EISDIR || ::unlinkat(folder, entry->name, AT_REMOVEDIR) == 0)
                continue;
            if (std::strlen(entry->name) < PATH_MAX) {
                std::strcpy(busy, entry->name);
                return true;
            }
        }
    }
}

// Removes a folder and everything below it, without recursion: the path grows by the folder
// being emptied and shrinks again once it is gone. Bounded, so that an entry that cannot be
// removed never makes it loop for ever.
void RemoveTree(const char* root)
{
    static char path[2 * PATH_MAX];
    static char busy[PATH_MAX];
    const size_t rootLength = std::strlen(root);
    if (rootLength >= sizeof path)
        return;
    std::memcpy(path, root, rootLength + 1);
    size_t length = rootLength;
    for (int step = 0; step < 100000; ++step) {
        const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const bool descend = folder >= 0 && EmptySome(folder, busy);
        if (folder >= 0)
            ::close(folder);
        const size_t busyLength = descend ? std::strlen(busy) : 0;
        if (descend && length + 1 + busyLength < sizeof path) {
            path[length] = '/';
            std::memcpy(path + length + 1, busy, busyLength + 1);
            length += 1 + busyLength;
            continue;
        }
        if (::rmdir(path) != 0 && errno == ENOTEMPTY && folder >= 0 && !descend)
            continue; // filled again meanwhile
        if (length == rootLength)
            return;
        while (length > rootLength && path[length] != '/')
            --length;
        path[length] = 0;
    }
}

void OnSignal(int number)
{
    TemporaryPaths::RemoveAll();
    ::_exit(128 + number);
}

sigset_t HandledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int number : kSignals)
        sigaddset(&set, number);
    return set;
}

} // namespace

TemporaryPaths::Registration::Registration(const QString& path, bool isFolder)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.size() >= PATH_MAX)
        return;
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (!g_slots[i].state.compare_exchange_strong(expected, Filling))
            continue;
        std::memcpy(g_slots[i].path, name.constData(), size_t(name.size()) + 1);
        g_slots[i].isFolder = isFolder;
        g_slots[i].state.store(Ready);
        m_slot = i;
        return;
    }
}

TemporaryPaths::Registration::~Registration()
{
    if (m_slot >= 0)
        g_slots[m_slot].state.store(Free);
}

TemporaryPaths::Deferral::Deferral()
{
    const sigset_t set = HandledSignals();
    pthread_sigmask(SIG_BLOCK, &set, &m_old);
}

TemporaryPaths::Deferral::~Deferral()
{
    pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
}

void TemporaryPaths::RemoveAll()
{
    for (Slot& slot : g_slots) {
        if (slot.state.load() != Ready)
            continue;
        if (slot.isFolder)
            RemoveTree(slot.path);
        else
            ::unlink(slot.path);
    }
}

void TemporaryPaths::InstallSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    action.sa_mask = HandledSignals();
    for (const int number : kSignals) {
        struct sigaction old {};
        if (::sigaction(number, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}
