#include "BankError.h"
#include "SourceJson.h"
#include "TreeBuilder.h"
#include "TreeFiles.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace examtrainer::bank;

namespace {

const char* const kUsage =
    "Usage: examtrainer-bank COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  build SOURCE DATAROOT   write the whole data tree described by the readable source\n"
    "                          folder SOURCE into DATAROOT (the folder that C:\\Com\\ stands\n"
    "                          for), replacing the tree that was there\n"
    "  --help                  show this text\n";

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
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        if (args.first() == QLatin1String("build")) {
            if (args.size() != 3)
                return usageError("build takes a source folder and a data root");
            writeTreeFiles(buildTreeFiles(readSource(args[1])), args[2]);
            return 0;
        }
    } catch (const BankError& error) {
        std::fprintf(stderr, "examtrainer-bank: %s\n", error.what());
        return 1;
    }
    return usageError("unknown command");
}
