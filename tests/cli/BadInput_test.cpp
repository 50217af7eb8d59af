#include "AnsiCodec.h"
#include "CliRunner.h"
#include "FolderTree.h"
#include "TestFiles.h"
#include "ZipBuilder.h"

#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

const QString kSample = ExamplesFolder() + "/PP_7701234560_20240305_000125.xml";
const QString kNoAmount = ExamplesFolder() + "/PP_7813029746_20240306_000126.xml";
const QByteArray kDoc = "<НомерДок>1</НомерДок><СуммаДок>1.00</СуммаДок>";

// Files of at most 4096 bytes: a larger write fails halfway, the way it does on a full disk.
void SmallFiles()
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// What stands at a path: its kind and mode, and for a regular file its text.
QString Standing(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "missing";
    return S_ISREG(status.st_mode) ? QString::number(status.st_mode & 07777, 8) + " " +
                                         AnsiCodec::Decode(Contents(path))
                                   : QString::number(status.st_mode, 8);
}

} // namespace

TEST(BadInput, EveryRunEndsWithItsStatusAndWritesOnlyItsOutput)
{
    ::umask(022);
    QTemporaryDir root;
    const auto at = [&](const QString& name) { return root.filePath(name); };
    const QString temp = at("temp");
    const QString config = at("config");
    const QString settings = at("settings");
    const QString in = at("in");
    for (const QString& folder : {temp, config, settings, in})
        QDir().mkpath(folder);
    QFile::copy(QStringLiteral(VYPISKA_SOURCE_DIR "/config/TAG.INI"), config + "/TAG.INI");
    QFile::copy(config + "/TAG.INI", settings + "/TAG.INI");
    const QString tpl =
        WriteTestFile(config + "/t.tpl", "<header>new</header><document></document>");
    WriteTestFile(config + "/empty.tpl", "");
    WriteTestFile(config + "/big.tpl",
                  "<header>" + QByteArray(9000, 'x') + "</header><document></document>");
    QDir().mkpath(config + "/folder.tpl");
    WriteTestFile(settings + "/t.tpl", "<header>{ACC}</header><document></document>");
    WriteTestFile(config + "/dated.tpl",
                  "<header>{MakeDate} {MakeTime}</header><document></document>");
    const QString today =
        WriteTestFile(config + "/today.tpl", "<header>{MakeDate}</header><document></document>");
    WriteTestFile(config + "/tags.tpl",
                  AnsiCodec::Encode(u"<document>{сумма}|{ДАТА}|{СуммаДок}|{Нет}</document>"));
    const QString doc = at("doc.xml");
    QFile::copy(kSample, doc);
    QFile::copy(kSample, in + "/a.xml");
    const QString noAmount = WriteTestFile(in + "/b.XML", "<НомерДок>2</НомерДок>");
    const QString pipe = in + "/pipe.xml";
    const QString pipeOut = at("pipe.txt");
    // Files that are not regular files, where the program reads and writes.
    for (const QString& path :
         {config + "/fifo.tpl", settings + "/CONFIG.INI", settings + "/USER.INI", pipe, pipeOut})
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QString socket = at("socket.txt");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, QFile::encodeName(socket).constData(),
                 sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // In a temporary folder on a full disk the large document cannot be extracted.
    const QString large = at("large.zip");
    ASSERT_TRUE(WriteZip(large, {{"a.xml", kDoc}, {"large.xml", kDoc + QByteArray(8192, ' ')}}));

    const QString readOnly = WriteTestFile(at("read-only.txt"), "old");
    const QString settingsName = WriteTestFile(at("USER.INI"), "old");
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);
    const QString secret = WriteTestFile(at("secret.txt"), "old");
    ::chmod(QFile::encodeName(secret).constData(), 0600);
    const QString link = at("link.txt");
    const QString toDoc = at("to-doc.txt");
    ASSERT_TRUE(QFile::link("secret.txt", link) && QFile::link(doc, toDoc));
    const QString survivor = WriteTestFile(at("survivor.txt"), "the statement of yesterday");
    const QString underFile = WriteTestFile(at("file.txt"), "a file, not a folder") + "/out.txt";
    const QString folder = at("out-folder");
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0550);
    const QString out = at("out.txt");
    const QString longName = at(QString(251, 'n') + ".txt");

    const auto exportTo = [&](const QString& path, const QString& name = "t.tpl",
                              const QString& from = kSample) {
        return QStringList{"export", from, "--template", name, "--out", path, "--config", config};
    };
    const QString saved = "Документ успешно сохранен в '%1'\n";
    const QString readOne = "Успешно прочитан 1 документ в '%1'; не удалось прочитать 1 файл\n";
    const QString nothing = "Не найдено совместимых документов в '%1'%2\n";
    const QString failed = "vypiska-cli: error: %1\nОшибка! Не удалось сохранить файл!\n";
    const QString notWritten = failed.arg("Не удалось записать файл '%1'%2");
    const QString refused = failed.arg("Нельзя сохранить выписку в '%1': это %2");
    const QString noTemplate = failed.arg("Не удалось прочитать шаблон '%1'");
    const struct {
        const char* name;
        QStringList arguments;
        int status;
        QString err;
        QString output = {}; // a file that must stand so afterwards
        QString standing = {};
        bool small = false;
    } cases[] = {
        {"pipe named .xml", {"read", pipe}, 3, nothing.arg(pipe, "; не удалось прочитать 1 файл")},
        {"folder with a pipe", {"read", in}, 3, readOne.arg(in)},
        {"archive on a full disk", {"read", large}, 3, readOne.arg(large), {}, {}, true},
        {"export of a folder with a pipe", exportTo(out, "t.tpl", in), 3,
         readOne.arg(in) + saved.arg(out), out, "644 new\r\n\r\n"},
        {"export of nothing", exportTo(out, "t.tpl", kNoAmount), 1, nothing.arg(kNoAmount, "")},
        {"names, element names and what nothing fills", exportTo(out, "tags.tpl"), 0,
         saved.arg(out).chopped(1) + ". Не заполнены: {Нет}\n", out,
         "644 \r\n15000,50|05.03.2024|15000,50|{Нет}\r\n"},
        {"dated by the day", exportTo(out, "dated.tpl") + QStringList{"--date", "2024-03-05"}, 0,
         saved.arg(out), out, "644 05.03.2024 00:00\r\n\r\n"},
        {"dated to the second",
         exportTo(out, "dated.tpl") + QStringList{"--date=2024-12-31T23:59:59"}, 0, saved.arg(out),
         out, "644 31.12.2024 23:59\r\n\r\n"},
        // Skipped by the clocks in Berlin, where the run takes place.
        {"dated in a skipped hour",
         exportTo(out, "dated.tpl") + QStringList{"--date", "2024-03-31T02:30"}, 0, saved.arg(out),
         out, "644 31.03.2024 02:30\r\n\r\n"},
        {"a template by its path, dated now", exportTo(out, today), 0, saved.arg(out), out,
         "644 " + QDate::currentDate().toString("dd.MM.yyyy") + "\r\n\r\n"},
        {"empty template", exportTo(out, "empty.tpl"), 1,
         failed.arg("Шаблон '" + config +
                    "/empty.tpl' не годится: в нем нет раздела <document>, "
                    "по которому пишется каждый документ")},
        {"absent template", exportTo(out, "absent.txt.tpl"), 1, noTemplate.arg("absent.txt.tpl")},
        {"template that is a folder", exportTo(out, "folder.tpl"), 1, noTemplate.arg("folder.tpl")},
        {"template that is a pipe", exportTo(out, "fifo.tpl"), 1, noTemplate.arg("fifo.tpl")},
        {"settings files that are pipes",
         {"export", kSample, "--template", "t.tpl", "--out", out, "--config", settings},
         0,
         saved.arg(out).chopped(1) +
             ". Не задан расчетный счет организации (Настройки, CONFIG.INI)\n",
         out,
         "644 \r\n\r\n"},
        {"read-only output file", exportTo(readOnly), 0, saved.arg(readOnly), readOnly,
         "444 new\r\n\r\n"},
        {"a link: its target is replaced and keeps its mode", exportTo(link), 0, saved.arg(link),
         secret, "600 new\r\n\r\n"},
        {"a settings file's name outside the configuration folders", exportTo(settingsName), 0,
         saved.arg(settingsName), settingsName, "644 new\r\n\r\n"},
        {"a name of 255 bytes", exportTo(longName), 0, saved.arg(longName), longName,
         "644 new\r\n\r\n"},
        {"a character device", exportTo("/dev/null"), 0, saved.arg("/dev/null"), "/dev/null",
         "20666"},
        {"output under a file", exportTo(underFile), 1, notWritten.arg(underFile, "")},
        {"output is a folder", exportTo(folder), 1, notWritten.arg(folder, ": это папка"), folder,
         "40550"},
        {"a pipe nobody reads", exportTo(pipeOut), 1,
         notWritten.arg(pipeOut, ": канал никто не читает"), pipeOut, "10600"},
        {"a socket", exportTo(socket), 1, notWritten.arg(socket, ": это сокет, а не файл"), socket,
         "140755"},
        {"write failing halfway", exportTo(survivor, "big.tpl"), 1, notWritten.arg(survivor, ""),
         survivor, Standing(survivor), true},
        {"the document read", exportTo(doc, tpl, doc), 1, refused.arg(doc, "читаемый документ"),
         doc, Standing(doc)},
        {"a link to the document read", exportTo(toDoc, tpl, doc), 1,
         refused.arg(toDoc, "читаемый документ"), doc, Standing(doc)},
        {"a document of the folder read that gives no row", exportTo(noAmount, tpl, in), 1,
         readOne.arg(in) + refused.arg(noAmount, "читаемый документ"), noAmount,
         Standing(noAmount)},
        {"the template", exportTo(tpl, tpl, doc), 1, refused.arg(tpl, "шаблон выгрузки"), tpl,
         Standing(tpl)},
        {"a file of the configuration folder", exportTo(config + "/TAG.INI", tpl, doc), 1,
         refused.arg(config + "/TAG.INI", "файл папки настроек"), config + "/TAG.INI",
         Standing(config + "/TAG.INI")},
    };
    for (const auto& c : cases) {
        QFile::remove(out);
        QFile::remove(longName);
        QStringList expected = FolderTree(root.path());
        if (c.output.startsWith(root.path()) && !QFileInfo::exists(c.output))
            expected.append(QDir(root.path()).relativeFilePath(c.output));
        expected.sort();
        const CliRun run = Cli(c.arguments, {.temp = temp,
                                             .variables = {"TZ=Europe/Berlin"},
                                             .inChild = c.small ? SmallFiles : nullptr});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
        if (!c.output.isEmpty()) {
            EXPECT_EQ(Standing(c.output), c.standing) << c.name;
        }
        EXPECT_EQ(FolderTree(root.path()), expected) << c.name;
    }
    ::close(fd);
}

namespace {

// Runs vypiska-cli until an item named with the prefix appears in the folder and, for a folder,
// `files` entries more appear in it; stops it there, sends the signal and lets it go on. Gives its
// exit status, or -1 for a run that ended on its own first. The watch is set before the start, so
// that nothing the run makes goes unseen, however fast or loaded the machine.
int Interrupt(const QStringList& arguments, const QString& temp, const QString& folder,
              const QByteArray& prefix, int files, int signal)
{
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CREATE);
    QProcess process;
    // A signal the test's own parent ignores (as nohup does) is ignored by the run too.
    const auto heedSignals = [] {
        for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            ::signal(number, SIG_DFL);
    };
    StartCli(process, arguments, {.temp = temp, .inChild = heedSignals});
    int seen = -1; // entries seen in the item; -1 until it appears
    alignas(inotify_event) char buffer[4096];
    while (seen < files && !process.waitForFinished(0) && process.state() != QProcess::NotRunning) {
        pollfd ready{watch, POLLIN, 0};
        const ssize_t length =
            ::poll(&ready, 1, 100) > 0 ? ::read(watch, buffer, sizeof buffer) : 0;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (seen >= 0 || !QByteArray(event->name).startsWith(prefix)) {
                seen += seen >= 0 ? 1 : 0;
                continue;
            }
            seen = 0;
            const QString item = QDir(folder).filePath(QFile::decodeName(event->name));
            ::inotify_add_watch(watch, QFile::encodeName(item).constData(), IN_CREATE);
        }
    }
    ::close(watch);
    if (seen >= files && ::kill(pid_t(process.processId()), SIGSTOP) == 0) {
        ::kill(pid_t(process.processId()), signal);
        ::kill(pid_t(process.processId()), SIGCONT);
    }
    process.waitForFinished(60000);
    return process.exitCode() <= 3 ? -1 : process.exitCode();
}

} // namespace

TEST(BadInput, InterruptedRunsLeaveNothingBehindAndEndWithTheSignal)
{
    QTemporaryDir root;
    const QString temp = root.filePath("temp");
    const QString outFolder = root.filePath("out");
    const QString config = root.filePath("config");
    QDir().mkpath(temp); // the others are made by the files written into them
    // Folders first, so that they are all there once the top holds documents.
    QList<ZipEntry> entries = {
        {"sub/deeper/a.xml", kDoc}, {"sub/b.xml", kDoc}, {"x/", "", ZipEntry::Folder}};
    for (int i = 0; i < 20000; ++i)
        entries.append({"d" + QByteArray::number(i) + ".xml", kDoc});
    const QString archive = root.filePath("many.zip");
    ASSERT_TRUE(WriteZip(archive, entries));
    WriteTestFile(config + "/big.tpl",
                  "<header>" + QByteArray(50 << 20, 'x') + "</header><document></document>");
    QFile::copy(QStringLiteral(VYPISKA_SOURCE_DIR "/config/TAG.INI"), config + "/TAG.INI");
    const QString out = outFolder + "/statement.txt";
    const QStringList exportBig = {"export", kSample, "--template", "big.tpl",
                                   "--out",  out,     "--config",   config};
    // Reads are stopped with a hundred documents extracted, exports once their file is begun.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, -SIGINT, -SIGTERM}) {
        const bool read = signal > 0;
        int status = -1;
        for (int attempt = 0; attempt < 5 && status == -1; ++attempt) {
            WriteTestFile(out, "the statement of yesterday");
            status = Interrupt(read ? QStringList{"read", archive} : exportBig, temp,
                               read ? temp : outFolder, read ? "vypiska-" : ".vypiska-",
                               read ? 100 : 0, std::abs(signal));
        }
        EXPECT_EQ(status, 128 + std::abs(signal)) << signal;
        EXPECT_EQ(FolderTree(temp), QStringList()) << signal;
        EXPECT_EQ(FolderTree(outFolder), QStringList("statement.txt")) << signal;
        EXPECT_EQ(Contents(out), "the statement of yesterday") << signal;
    }
    // A file-size limit stops the write with its own signal.
    const auto limit = [] {
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
    EXPECT_EQ(Cli(exportBig, {.inChild = limit}).status, 128 + SIGXFSZ);
    EXPECT_EQ(FolderTree(outFolder), QStringList("statement.txt"));
    EXPECT_EQ(Contents(out), "the statement of yesterday");
}

TEST(BadInput, OutputThatNeverArrivesIsAFailure)
{
    const QString error = "vypiska-cli: error: cannot write to standard output: ";
    const QString full = error + "No space left on device\n";
    const QString closed = error + "Bad file descriptor\n";
    // Without a file the standard output is closed; a command that writes nothing there does not
    // fail for want of it.
    const std::tuple<QStringList, QString, int, QString> cases[] = {
        {{"read", ExamplesFolder()}, "/dev/full", 1, full},
        {{"words", "12"}, "/dev/full", 1, full},
        {{"read", ExamplesFolder()}, "", 1, closed},
        {{"words", "12"}, "", 1, closed},
        {{"words"}, "", 2, "had nothing to write)\n"},
        {{"export", kSample, "--template", "Выписка для бухгалтерии.txt.tpl", "--out", "/dev/null"},
         "",
         0,
         ""},
    };
    for (const auto& [arguments, file, status, errEnd] : cases) {
        const CliRun run = Cli(arguments, {.outputFile = file, .inChild = [&file = file] {
                                               if (file.isEmpty())
                                                   ::close(1);
                                           }});
        EXPECT_EQ(run.status, status) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith(errEnd)) << run.err.toStdString();
    }
}
