// programmer-cli: the document operations of the programmer for scripts and
// for checking files, without a window.

#include "tools/cli/commands.h"

#include <QCoreApplication>
#include <QFile>
#ifdef PROGRAMMER_CLI_PRINT
#include <QApplication>
#endif
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

void Usage(FILE* out)
{
    std::fputs("usage:\n"
               "  programmer-cli new OUT.dat                 write the factory-default document\n"
               "  programmer-cli info FILE.dat               signature, identity, band plan, channels\n"
               "  programmer-cli dump FILE.dat START END     image bytes [START, END) as hex\n"
               "  programmer-cli read PORT OUT.dat           read the radio into a new file\n"
               "      [--password TEXT] [--trace FILE.log]\n"
               "  programmer-cli write PORT FILE.dat         write a file to the radio\n"
               "      [--service] [--password TEXT] [--trace FILE.log]\n"
               "                                             --trace logs every byte and step of the\n"
               "                                             transfer (radio-sim --replay plays it back)\n"
               "  programmer-cli import-csv IN.csv FILE.dat OUT.dat [--first N]\n"
               "                                             FILE.dat with the channels of a CHIRP CSV\n"
               "                                             file, into OUT.dat: each row to its Location,\n"
               "                                             or to channels N, N+1, ... with --first\n"
               "  programmer-cli export-csv FILE.dat OUT.csv bank A channels as a CHIRP CSV file\n"
#ifdef PROGRAMMER_CLI_PRINT
               "  programmer-cli print FILE.dat OUT.pdf      the printout as a PDF file\n"
               "      [--sections LIST] [--language en|zh] [--page a4|letter]\n"
               "                                             LIST: channels,scan,settings,dtmf,alarm,\n"
               "                                             twotone,fivetone,model (all by default)\n"
#endif
               "START and END are decimal or 0x-prefixed hexadecimal image addresses.\n"
               "import-csv lists each value it adjusted or row it skipped, and then exits with 3.\n",
               out);
}

// An argument whose bytes do not survive the trip through QString (a file
// name that is not valid in the system's encoding) would name another file.
int FirstUnrepresentableArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArray(argv[i]))
            return i;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef PROGRAMMER_CLI_PRINT
    // A printout needs fonts and widgets but never a display.
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return CliPrint(QCoreApplication::arguments().mid(2));
    }
#endif
    QCoreApplication app(argc, argv);
    if (const int bad = FirstUnrepresentableArgument(argc, argv)) {
        std::fprintf(stderr,
                     "programmer-cli: argument %d is not valid text in this system's encoding (UTF-8); "
                     "rename the file and try again\n",
                     bad);
        return kExitFailure;
    }
    // The program's own names: an installed CLI finds the user's Program.ini where the program keeps it.
    QCoreApplication::setOrganizationName(QStringLiteral("VRX"));
    QCoreApplication::setApplicationName(QStringLiteral("VRX"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("-h") || args[0] == QLatin1String("--help")) {
        Usage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? kExitUsage : 0;
    }
    const QString command = args.takeFirst();
    const ProgramPaths folder = ThisProgramPaths();
    CopyShippedConfig(folder);
    if (command == QLatin1String("new"))
        return CliNew(folder, args);
    if (command == QLatin1String("info"))
        return CliInfo(args);
    if (command == QLatin1String("dump"))
        return CliDump(args);
    if (command == QLatin1String("read"))
        return CliRead(folder, args);
    if (command == QLatin1String("write"))
        return CliWrite(folder, args);
    if (command == QLatin1String("import-csv"))
        return CliImportCsv(args);
    if (command == QLatin1String("export-csv"))
        return CliExportCsv(args);
    std::fprintf(stderr, "programmer-cli: unknown command '%s'\n", qPrintable(command));
    Usage(stderr);
    return kExitUsage;
}
