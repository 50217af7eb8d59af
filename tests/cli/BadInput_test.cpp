#include "AnsiCodec.h"
#include "CliRunner.h"
#include "FolderTree.h"
#include "TestFiles.h"
#include "ZipBuilder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
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
const QByteArray kDoc = "<НомерДок>1</НомерДок><СуммаДок>1.00</СуммаДок>";

QString NothingFound(const QString& path, const QString& unreadable = {})
{
    return "Не найдено совместимых документов в '" + path + "'" + unreadable + "\n";
}

const QString kOneUnreadable = QStringLiteral("; не удалось прочитать 1 файл");

QString NoTemplate(const QString& name)
{
    return "vypiska-cli: error: Не удалось прочитать шаблон '" + name +
           "'\nОшибка! Не удалось сохранить файл!\n";
}

QString NoColumns(const QString& config)
{
    return "vypiska-cli: error: Не удалось прочитать файл столбцов '" + config + "/TAG.INI'\n";
}

QString NotWritten(const QString& path, const QString& reason = {})
{
    return "vypiska-cli: error: Не удалось записать файл '" + path + "'" + reason +
           "\nОшибка! Не удалось сохранить файл!\n";
}

} // namespace

TEST(BadInput, EveryRunEndsWithItsStatusAndWritesOnlyItsOutput)
{
    QTemporaryDir root;
    const auto at = [&](const QString& name) { return root.filePath(name); };
    const QString temp = at("temp");
    QDir().mkpath(temp);
    const QString config = at("config");
    QDir().mkpath(config);
    QFile::copy(QStringLiteral(VYPISKA_SOURCE_DIR "/config/TAG.INI"), config + "/TAG.INI");
    WriteTestFile(config + "/t.tpl", "<header>new</header><document></document>");
    WriteTestFile(config + "/empty.tpl", "");
    WriteTestFile(config + "/big.tpl",
                  "<header>" + QByteArray(100000, 'x') + "</header><document></document>");
    QDir().mkpath(config + "/folder.tpl");
    WriteTestFile(at("lf/TAG.INI"),
                  AnsiCodec::Encode(u"Номер=Номер;НомерДок\nСумма=Сумма;СуммаДок\n"));
    WriteTestFile(at("empty/TAG.INI"), "");
    // Files that are not regular files, where the program reads its configuration and documents.
    const auto fifo = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    };
    ASSERT_TRUE(fifo(config + "/fifo.tpl") && fifo(at("fifo/TAG.INI")));
    ASSERT_TRUE(QFile::link("/dev/zero", config + "/zero.tpl"));
    ASSERT_TRUE(QDir().mkpath(at("zero")) && QFile::link("/dev/zero", at("zero/TAG.INI")));
    const QString settings = at("settings");
    QDir().mkpath(settings);
    QFile::copy(config + "/TAG.INI", settings + "/TAG.INI");
    WriteTestFile(settings + "/t.tpl", "<header>{ACC}</header><document></document>");
    ASSERT_TRUE(fifo(settings + "/CONFIG.INI") && fifo(settings + "/USER.INI"));
    const QString pagemap = at("pagemap.xml");
    const QString kmsg = at("kmsg.xml");
    ASSERT_TRUE(QFile::link("/proc/self/pagemap", pagemap) && QFile::link("/proc/kmsg", kmsg));
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    WriteTestFile(at("binary/TAG.INI"), everyByte + "\r\n" + everyByte);

    const QString hostile = at("hostile.zip");
    ASSERT_TRUE(WriteZip(hostile, {{"../up.xml", kDoc},
                                   {QFile::encodeName(at("abs.xml")), kDoc},
                                   {"C:\\drive.xml", kDoc},
                                   {"link.xml", QFile::encodeName(kSample), ZipEntry::Link},
                                   {"secret.xml", kDoc, ZipEntry::Encrypted},
                                   {"ok.xml", kDoc}}));
    const QString truncated = at("truncated.zip");
    ASSERT_TRUE(WriteZip(truncated, {{"a.xml", kDoc}, {"b.xml", kDoc}}));
    QFile(truncated).resize(QFileInfo(truncated).size() / 2);
    const QString text = WriteTestFile(at("text.zip"), "PK not an archive");
    const QString pipe = at("pipe.xml");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const QString readOnly = WriteTestFile(at("read-only.txt"), "old");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString survivor = WriteTestFile(at("survivor.txt"), "the statement of yesterday");
    const QString underFile = WriteTestFile(at("file.txt"), "a file, not a folder") + "/out.txt";
    const QString folder = at("out-folder");
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0550);
    const QString out = at("out.txt");

    const auto exportTo = [&](const QString& path, const QString& tpl) {
        return QStringList{"export", kSample, "--template", tpl, "--out", path, "--config", config};
    };
    const struct {
        const char* name;
        QStringList arguments;
        int status;
        QString err;
        QString output = {}; // the file it writes, if any
        QByteArray written = {};
        bool limited = false;
    } cases[] = {
        {"hostile archive: its link and its encrypted document could not be read",
         {"read", hostile},
         3,
         "Успешно прочитан 1 документ в '" + hostile + "'; не удалось прочитать 2 файла\n"},
        {"archive cut in half", {"read", truncated}, 3, NothingFound(truncated, kOneUnreadable)},
        {"no archive named .zip", {"read", text}, 3, NothingFound(text, kOneUnreadable)},
        {"pipe named .xml", {"read", pipe}, 3, NothingFound(pipe, kOneUnreadable)},
        {"empty column map", {"read", kSample, "--config", at("empty")}, 1, NothingFound(kSample)},
        {"column map with LF line ends",
         {"read", kSample, "--config", at("lf")},
         0,
         "Успешно прочитан 1 документ в '" + kSample + "'\n"},
        {"binary column map: columns without element names, no amount",
         {"read", kSample, "--config", at("binary")},
         0,
         "Успешно прочитан 1 документ в '" + kSample + "'\n"},
        {"empty template", exportTo(out, "empty.tpl"), 1,
         "vypiska-cli: error: Шаблон '" + config +
             "/empty.tpl' не годится: в нем нет раздела <document>, по "
             "которому пишется каждый документ\nОшибка! Не удалось сохранить файл!\n"},
        {"template that is a folder", exportTo(out, "folder.tpl"), 1, NoTemplate("folder.tpl")},
        {"template that is a pipe", exportTo(out, "fifo.tpl"), 1, NoTemplate("fifo.tpl")},
        {"template linked to /dev/zero", exportTo(out, "zero.tpl"), 1, NoTemplate("zero.tpl")},
        {"column map that is a pipe",
         {"read", kSample, "--config", at("fifo")},
         1,
         NoColumns(at("fifo")) + NothingFound(kSample)},
        {"column map linked to /dev/zero",
         {"read", kSample, "--config", at("zero")},
         1,
         NoColumns(at("zero")) + NothingFound(kSample)},
        {"settings files that are pipes",
         {"export", kSample, "--template", "t.tpl", "--out", out, "--config", settings},
         0,
         "Документ успешно сохранен в '" + out +
             "'. Не задан расчетный счет организации (Настройки, CONFIG.INI)\n",
         out,
         "\r\n\r\n"},
        {"document linked to /proc/self/pagemap", {"read", pagemap}, 3, NothingFound(pagemap, kOneUnreadable)},
        {"document linked to /proc/kmsg", {"read", kmsg}, 3, NothingFound(kmsg, kOneUnreadable)},
        {"read-only output file", exportTo(readOnly, "t.tpl"), 0,
         "Документ успешно сохранен в '" + readOnly + "'\n", readOnly, "new\r\n\r\n"},
        {"output under a file", exportTo(underFile, "t.tpl"), 1, NotWritten(underFile)},
        {"output in /proc", exportTo("/proc/vypiska-out.txt", "t.tpl"), 1,
         NotWritten("/proc/vypiska-out.txt")},
        {"output is a folder", exportTo(folder, "t.tpl"), 1, NotWritten(folder, ": это папка")},
        {"write failing halfway", exportTo(survivor, "big.tpl"), 1, NotWritten(survivor), survivor,
         "the statement of yesterday", true},
    };
    for (const auto& c : cases) {
        QStringList expected = FolderTree(root.path());
        if (c.output.startsWith(root.path()))
            expected.append(QDir(root.path()).relativeFilePath(c.output));
        expected.removeDuplicates();
        expected.sort();
        const CliRun run = Cli(c.arguments, temp, c.limited);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
        if (!c.output.isEmpty()) {
            EXPECT_EQ(Contents(c.output), c.written) << c.name;
        }
        EXPECT_EQ(FolderTree(root.path()), expected) << c.name;
        EXPECT_EQ(FolderTree(temp), QStringList()) << c.name;
    }
    EXPECT_FALSE(QFile::exists("/proc/vypiska-out.txt"));
    struct stat status {};
    ::stat(QFile::encodeName(folder).constData(), &status);
    EXPECT_EQ(status.st_mode & 07777, 0550u) << "a failed save changes nothing";
    // LF ends a line of the column map, as a Linux editor saves it.
    EXPECT_EQ(Cli({"read", kSample, "--config", at("lf")}, temp, false).out,
              "Номер\tСумма\n125\t15\u00A0000,50\u00A0₽\n");
}

namespace {

// What stands at a path: its kind, and for a regular file its mode and bytes.
QString Standing(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "missing";
    if (S_ISLNK(status.st_mode))
        return "link to " + QFileInfo(path).symLinkTarget();
    if (!S_ISREG(status.st_mode))
        return QString::number(status.st_mode & S_IFMT, 8);
    return QString::number(status.st_mode & 07777, 8) + " " + QString::fromUtf8(Contents(path));
}

} // namespace

TEST(BadInput, OutputsReplaceOnlyWhatTheyShould)
{
    ::umask(022);
    QTemporaryDir root;
    const auto at = [&](const QString& name) { return root.filePath(name); };
    const QString config = at("config");
    QDir().mkpath(config);
    QFile::copy(QStringLiteral(VYPISKA_SOURCE_DIR "/config/TAG.INI"), config + "/TAG.INI");
    const QString tpl = WriteTestFile(config + "/t.tpl", "<header>new</header><document></document>");
    const QString doc = at("doc.xml");
    ASSERT_TRUE(QFile::copy(kSample, doc));
    const QString pipe = at("pipe.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString socket = at("socket.txt");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socket).constData(),
                 sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const QString secret = WriteTestFile(at("secret.txt"), "old");
    ::chmod(QFile::encodeName(secret).constData(), 0600);
    const QString link = at("link.txt");
    ASSERT_TRUE(QFile::link("secret.txt", link));
    const QString toDoc = at("to-doc.txt");
    ASSERT_TRUE(QFile::link(doc, toDoc));
    const QString longName = at(QString(251, 'n') + ".txt");
    const QString folderRead = at("in");
    QDir().mkpath(folderRead);
    QFile::copy(kSample, folderRead + "/a.xml");
    const QString noAmount = WriteTestFile(folderRead + "/b.XML", "<НомерДок>2</НомерДок>");

    const QString saved = "Документ успешно сохранен в '%1'\n";
    const QString failed = "vypiska-cli: error: %1\nОшибка! Не удалось сохранить файл!\n";
    const QString refused = failed.arg("Нельзя сохранить выписку в '%1': это %2");
    const struct {
        const char* name;
        QString out;
        int status;
        QString err;
        QString standing; // at what the output names, afterwards
        QString other = {};
        QString otherStanding = {};
        QString input = {}; // the document read when empty
    } cases[] = {
        {"a pipe nobody reads", pipe, 1,
         failed.arg("Не удалось записать файл '" + pipe + "': канал никто не читает"), "10000"},
        {"a character device", "/dev/null", 0, saved.arg("/dev/null"), "20000"},
        {"a socket", socket, 1,
         failed.arg("Не удалось записать файл '" + socket + "': это сокет, а не файл"), "140000"},
        {"a link: its target is replaced and keeps its mode", link, 0, saved.arg(link),
         "link to " + secret, secret, "600 new\r\n\r\n"},
        {"the document read", doc, 1, refused.arg(doc, "читаемый документ"), Standing(doc)},
        {"a link to the document read", toDoc, 1, refused.arg(toDoc, "читаемый документ"),
         "link to " + doc, doc, Standing(doc)},
        {"a document of the folder read that gives no row", noAmount, 1,
         refused.arg(noAmount, "читаемый документ"), Standing(noAmount), {}, {}, folderRead},
        {"the template", tpl, 1, refused.arg(tpl, "шаблон выгрузки"), Standing(tpl)},
        {"a file of the configuration folder", config + "/TAG.INI", 1,
         refused.arg(config + "/TAG.INI", "файл папки настроек"), Standing(config + "/TAG.INI")},
        {"a name of 255 bytes", longName, 0, saved.arg(longName), "644 new\r\n\r\n"},
    };
    const QStringList before = FolderTree(root.path());
    for (const auto& c : cases) {
        const QString input = c.input.isEmpty() ? doc : c.input;
        const CliRun run =
            Cli({"export", input, "--template", tpl, "--out", c.out, "--config", config});
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
        EXPECT_EQ(Standing(c.out), c.standing) << c.name;
        if (!c.other.isEmpty()) {
            EXPECT_EQ(Standing(c.other), c.otherStanding) << c.name;
        }
        QStringList left = FolderTree(root.path());
        left.removeOne(QDir(root.path()).relativeFilePath(longName));
        EXPECT_EQ(left, before) << c.name;
    }
    ::close(fd);
}

namespace {

// Stops the process as soon as something named with the prefix appears in the folder and holds
// at least minimum entries itself (for a folder); the process then stands still at that point,
// whatever the speed of the machine. False when nothing appeared while it ran.
bool StopWhenCreated(QProcess& process, const QString& folder, const QByteArray& prefix,
                     int minimum)
{
    const auto running = [&] {
        return !process.waitForFinished(0) && process.state() != QProcess::NotRunning;
    };
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, QFile::encodeName(folder).constData(), IN_CREATE);
    QString created;
    alignas(inotify_event) char buffer[4096];
    while (created.isEmpty() && running()) {
        pollfd ready{watch, POLLIN, 0};
        if (::poll(&ready, 1, 100) <= 0)
            continue;
        const ssize_t length = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->len > 0 && QByteArray(event->name).startsWith(prefix))
                created = QDir(folder).filePath(QFile::decodeName(event->name));
        }
    }
    ::close(watch);
    while (!created.isEmpty() && running() && QDir(created).entryList(QDir::Files).size() < minimum)
        QThread::msleep(1);
    return !created.isEmpty() && ::kill(pid_t(process.processId()), SIGSTOP) == 0;
}

} // namespace

TEST(BadInput, InterruptedRunsLeaveNothingBehindAndEndWithTheSignal)
{
    QTemporaryDir root;
    const QString temp = root.filePath("temp");
    const QString outFolder = root.filePath("out");
    QDir().mkpath(temp);
    QDir().mkpath(outFolder);
    // Folders first, so that they are all there once the top holds documents.
    QList<ZipEntry> entries = {
        {"sub/deeper/a.xml", kDoc}, {"sub/b.xml", kDoc}, {"x/", "", ZipEntry::Folder}};
    for (int i = 0; i < 20000; ++i)
        entries.append({"d" + QByteArray::number(i) + ".xml", kDoc});
    const QString archive = root.filePath("many.zip");
    ASSERT_TRUE(WriteZip(archive, entries));
    const QString config = root.filePath("config");
    WriteTestFile(config + "/big.tpl", "<header>" + QByteArray(50 << 20, 'x') + "</header><document></document>");
    QFile::copy(QStringLiteral(VYPISKA_SOURCE_DIR "/config/TAG.INI"), config + "/TAG.INI");
    const QString out = WriteTestFile(outFolder + "/statement.txt", "the statement of yesterday");
    const QStringList exportBig = {"export", kSample, "--template", "big.tpl",
                                   "--out",  out,     "--config",   config};

    const struct {
        int signal;
        QStringList arguments;
        QString watched; // where the temporary item appears
        QByteArray prefix;
        int minimum;
    } cases[] = {
        {SIGINT, {"read", archive}, temp, "vypiska-", 100},
        {SIGTERM, {"read", archive}, temp, "vypiska-", 100},
        {SIGHUP, {"read", archive}, temp, "vypiska-", 100},
        {SIGQUIT, {"read", archive}, temp, "vypiska-", 100},
        {SIGINT, exportBig, outFolder, ".vypiska-", 0},
        {SIGTERM, exportBig, outFolder, ".vypiska-", 0},
    };
    for (const auto& c : cases) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TEMP", temp);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), c.arguments);
        ASSERT_TRUE(process.waitForStarted());
        ASSERT_TRUE(StopWhenCreated(process, c.watched, c.prefix, c.minimum))
            << c.signal << process.readAllStandardError().toStdString();
        const auto pid = pid_t(process.processId());
        ::kill(pid, c.signal);
        ::kill(pid, SIGCONT);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.signal;
        EXPECT_EQ(process.exitCode(), 128 + c.signal) << c.signal;
        EXPECT_EQ(FolderTree(temp), QStringList()) << c.signal;
        EXPECT_EQ(FolderTree(outFolder), QStringList("statement.txt")) << c.signal;
        EXPECT_EQ(Contents(out), "the statement of yesterday") << c.signal;
    }

    // A file-size limit stops the write with its own signal.
    QProcess limited;
    limited.setChildProcessModifier([] {
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    limited.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), exportBig);
    ASSERT_TRUE(limited.waitForFinished(60000));
    EXPECT_EQ(limited.exitCode(), 128 + SIGXFSZ);
    EXPECT_EQ(FolderTree(outFolder), QStringList("statement.txt"));
    EXPECT_EQ(Contents(out), "the statement of yesterday");
}

TEST(BadInput, OutputThatNeverArrivesIsAFailure)
{
    const QString full = ": cannot write to standard output: No space left on device\n";
    const QString closed = ": cannot write to standard output: Bad file descriptor\n";
    const struct {
        QStringList arguments;
        bool closeOutput; // else it goes to /dev/full
        QString errEnd;
    } cases[] = {
        {{"read", ExamplesFolder()}, false, full},
        {{"read", ExamplesFolder(), "--format", "json"}, false, full},
        {{"templates"}, false, full},
        {{"words", "12"}, false, full},
        {{"--version"}, false, full},
        {{"read", ExamplesFolder()}, true, closed},
        {{"words", "12"}, true, closed},
    };
    for (const auto& c : cases) {
        QProcess process;
        if (c.closeOutput)
            process.setChildProcessModifier([] { ::close(1); });
        else
            process.setStandardOutputFile("/dev/full");
        process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"), c.arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(err.endsWith("vypiska-cli: error" + c.errEnd)) << err.toStdString();
    }
    // A command that writes nothing there does not fail for want of it.
    QTemporaryDir root;
    QProcess process;
    process.setChildProcessModifier([] { ::close(1); });
    process.start(QStringLiteral(VYPISKA_BIN_DIR "/vypiska-cli"),
                  {"export", kSample, "--template", "Выписка для бухгалтерии.txt.tpl", "--out",
                   root.filePath("out.txt")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}
