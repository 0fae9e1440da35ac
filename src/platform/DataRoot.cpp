#include "DataRoot.h"

#include "AnsiText.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cctype>

#ifndef EXAMTRAINER_DEFAULT_DATA_ROOT
#define EXAMTRAINER_DEFAULT_DATA_ROOT "data/Com"
#endif

namespace examtrainer {

QString dataRootFolder() {
    const QByteArray fromEnvironment = qgetenv("EXAMTRAINER_DATA_ROOT");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    return QStringLiteral(EXAMTRAINER_DEFAULT_DATA_ROOT);
}

namespace {

bool startsWithRoot(const std::string& path) {
    const std::string root = kDataRoot;
    if (path.size() < root.size())
        return false;
    for (std::size_t i = 0; i < root.size(); ++i) {
        const char a = path[i] == '/' ? '\\' : path[i];
        if (std::tolower(static_cast<unsigned char>(a)) !=
            std::tolower(static_cast<unsigned char>(root[i])))
            return false;
    }
    return true;
}

// The entry of folder that matches name, exactly if it exists, else ignoring letter case.
QString matchEntry(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

} // namespace

std::optional<QString> mapDataPath(const std::string& dataPath) {
    if (!startsWithRoot(dataPath))
        return std::nullopt;
    const std::string rest = dataPath.substr(std::string(kDataRoot).size());

    QStringList names;
    std::string name;
    auto takeName = [&]() -> bool {
        if (name == "..")
            return false;
        if (name.find(':') != std::string::npos || name.find('\0') != std::string::npos)
            return false;
        if (!name.empty() && name != ".")
            names << fromAnsi(name);
        name.clear();
        return true;
    };
    // An empty name between two separators would make "C:\Com\QuestionSet\\x" look like an
    // absolute path on Windows only at the start; a leading separator is refused for that reason.
    if (!rest.empty() && (rest.front() == '\\' || rest.front() == '/'))
        return std::nullopt;
    for (char c : rest) {
        if (c == '\\' || c == '/') {
            if (!takeName())
                return std::nullopt;
        } else {
            name.push_back(c);
        }
    }
    if (!takeName())
        return std::nullopt;

    QString host = dataRootFolder();
    while (host.size() > 1 && host.endsWith(QLatin1Char('/')))
        host.chop(1);
    for (const QString& n : names)
        host = matchEntry(host, n);
    return host;
}

} // namespace examtrainer
