#include "ConsoleOutput.h"
#include "ExportCommand.h"
#include "ReadCommand.h"
#include "TemplatesCommand.h"
#include "TemporaryPaths.h"
#include "Usage.h"
#include "UserLocale.h"
#include "WordsCommand.h"

#include <QCoreApplication>
#include <QDir>

QString UsageText()
{
    return QStringLiteral("usage: vypiska-cli read PATH [--config DIR] [--format tsv|json]\n"
                          "       vypiska-cli words AMOUNT\n"
                          "       vypiska-cli export PATH --template T --out FILE [--date D]"
                          " [--config DIR]\n"
                          "       vypiska-cli templates [--config DIR]\n"
                          "       vypiska-cli --help | --version\n");
}

QString DefaultConfigFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CONFIG"));
}

int UsageError(const QString& message)
{
    ConsoleOutput::Error(message);
    ConsoleOutput::Err(UsageText());
    return 2;
}

namespace {

int Run(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("no command given"));
    const QString command = arguments.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        ConsoleOutput::Out(UsageText());
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
