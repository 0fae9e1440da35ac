#include "BankError.h"
#include "SourceJson.h"
#include "TreeBuilder.h"
#include "TreeFiles.h"
#include "TreeReader.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace examtrainer::bank;

namespace {

const char* const kUsage =
    "Usage: examtrainer-bank COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  build SOURCE DATAROOT    write the whole data tree described by the readable source\n"
    "                           folder SOURCE into DATAROOT (the folder that C:\\Com\\ stands\n"
    "                           for), replacing the tree that was there\n"
    "  export DATAROOT SOURCE   read the data tree at DATAROOT back into a readable source\n"
    "                           folder, with the texts deciphered and the figures unmasked;\n"
    "                           the tree itself is only read\n"
    "  --help                   show this text\n"
    "\n"
    "SOURCE holds catalogue.json (categories, tests, settings, links, the disabled list),\n"
    "banks/*.json (one per question bank) and figures/*.jpg.\n";

int usageError(const char* message) {
    std::fprintf(stderr, "examtrainer-bank: %s\n\n%s", message, kUsage);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usageError("no command given");
    const QString command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        if (command == QLatin1String("build")) {
            if (args.size() != 3)
                return usageError("build takes a source folder and a data root");
            writeTreeFiles(buildTreeFiles(readSource(args[1])), args[2]);
            return 0;
        }
        if (command == QLatin1String("export")) {
            if (args.size() != 3)
                return usageError("export takes a data root and a source folder");
            writeFolder(sourceFiles(readTree(args[1])), args[2],
                        {QStringLiteral("catalogue.json")});
            return 0;
        }
    } catch (const BankError& error) {
        std::fprintf(stderr, "examtrainer-bank: %s\n", error.what());
        return 1;
    }
    return usageError("unknown command");
}
