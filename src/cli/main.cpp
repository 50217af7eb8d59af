#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "ExportCommand.h"
#include "ReadCommand.h"
#include "TemplatesCommand.h"
#include "TemporaryPaths.h"
#include "Usage.h"
#include "UserLocale.h"
#include "WordsCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <new>

QString UsageText()
{
    return QStringLiteral("usage: vypiska-cli read PATH [--config DIR] [--format tsv|json]\n"
                          "       vypiska-cli words AMOUNT\n"
                          "       vypiska-cli export PATH --template T --out FILE [--date D]"
                          " [--config DIR]\n"
                          "       vypiska-cli templates [--config DIR]\n"
                          "       vypiska-cli --help | --version\n"
                          "exit status: 0 done; 1 nothing read or a failure; 2 usage error;\n"
                          "             3 some files could not be read (read, and export when it\n"
                          "             wrote its file or had nothing to write)\n");
}

QString HelpText()
{
    const ConfigFolders folders = ConfigFolders::Installed();
    return UsageText() +
           QStringLiteral(
               "\nconfiguration files:\n"
               "  %1\n"
               "      the program's folder: the column map TAG.INI and the templates *.tpl;\n"
               "      while it can be written, also the settings CONFIG.INI and USER.INI\n"
               "  %2\n"
               "      the user's folder, used while the program's cannot be written: the\n"
               "      settings CONFIG.INI and USER.INI (made on the first write), a TAG.INI\n"
               "      that replaces the program's, and templates listed before the program's\n"
               "  --config DIR reads every file from DIR alone\n")
               .arg(folders.Program(), folders.User());
}

QString DefaultConfigFolder()
{
    return ConfigFolders::Installed().Program();
}

ConfigFolders CommandConfig(const CommandLine& line)
{
    return line.HasOption(QStringLiteral("config"))
               ? ConfigFolders::Only(line.Option(QStringLiteral("config")))
               : ConfigFolders::Installed();
}

int UsageError(const QString& message)
{
    ConsoleOutput::Error(message);
    ConsoleOutput::Err(UsageText());
    return 2;
}

namespace {

// A handler here makes the stack unwind, so temporary folders and files are removed on the way out.
int Run(const QStringList& arguments)
try {
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("no command given"));
    const QString command = arguments.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        ConsoleOutput::Out(HelpText());
        return 0;
    }
    if (command == QLatin1String("--version")) {
        ConsoleOutput::Out(QStringLiteral("vypiska-cli " VYPISKA_VERSION "\n"));
        return 0;
    }
    if (command == QLatin1String("read"))
        return ReadCommand(arguments.mid(1));
    if (command == QLatin1String("words"))
        return WordsCommand(arguments.mid(1));
    if (command == QLatin1String("export"))
        return ExportCommand(arguments.mid(1));
    if (command == QLatin1String("templates"))
        return TemplatesCommand(arguments.mid(1));
    return UsageError(QStringLiteral("unknown command '%1'").arg(command));
} catch (const std::bad_alloc&) {
    std::fputs("vypiska-cli: error: out of memory\n", stderr);
    return 1;
} catch (const std::exception& error) {
    std::fprintf(stderr, "vypiska-cli: error: %s\n", error.what());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    ConsoleOutput::HoldStandardStreams();
    QCoreApplication app(argc, argv);
    TemporaryPaths::InstallSignalHandlers();
    InstallUserLocale();
    const int status = Run(app.arguments().mid(1));
    // Output that never arrived is a failure, whatever the command made of it.
    if (!ConsoleOutput::CloseOut())
        return status == 2 ? 2 : 1;
    return status;
}
