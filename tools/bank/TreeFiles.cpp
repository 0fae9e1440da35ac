#include "TreeFiles.h"

#include "BankError.h"
#include "platform/AnsiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace examtrainer::bank {

const std::string& checkedName(const std::string& name, const std::string& where) {
    if (name.empty())
        throw BankError(where + ": the name is empty");
    if (name == "." || name == "..")
        throw BankError(where + ": the name \"" + name + "\" would leave the data root");
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            throw BankError(where + ": the name \"" + name +
                            "\" holds a character that a file name cannot (or that would leave "
                            "the data root)");
    }
    if (name.back() == ' ' || name.back() == '.')
        throw BankError(where + ": the name \"" + name + "\" ends in a blank or a point");
    return name;
}

namespace {

QString hostRelative(const std::string& treePath) {
    QString path = fromAnsi(treePath);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

void writeOne(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw BankError(path.toStdString() + ": cannot be written");
}

} // namespace

void writeFolder(const TreeFiles& files, const QString& target, const QStringList& markers) {
    const QFileInfo info(target);
    const QString absolute = info.absoluteFilePath();
    if (info.exists() && !info.isDir())
        throw BankError(absolute.toStdString() + " exists and is not a folder");
    if (info.isDir() && !QDir(absolute).isEmpty()) {
        bool ours = false;
        for (const QString& marker : markers)
            ours = ours || QFileInfo::exists(absolute + QLatin1Char('/') + marker);
        if (!ours)
            throw BankError(absolute.toStdString() +
                            " holds something the tool did not write; it is left alone");
    }

    const QString suffix = QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    const QString building = absolute + QStringLiteral(".building") + suffix;
    const QString old = absolute + QStringLiteral(".old") + suffix;
    QDir(building).removeRecursively();
    try {
        QDir().mkpath(building);
        for (const auto& [path, bytes] : files)
            writeOne(building + QLatin1Char('/') + hostRelative(path), bytes);
    } catch (...) {
        QDir(building).removeRecursively();
        throw;
    }

    QDir().mkpath(QFileInfo(absolute).absolutePath());
    if (info.exists() && !QDir().rename(absolute, old)) {
        QDir(building).removeRecursively();
        throw BankError(absolute.toStdString() + ": the old folder cannot be moved aside");
    }
    if (!QDir().rename(building, absolute)) {
        QDir().rename(old, absolute);
        QDir(building).removeRecursively();
        throw BankError(absolute.toStdString() + ": the new folder cannot be moved into place");
    }
    QDir(old).removeRecursively();
}

void writeTreeFiles(const TreeFiles& files, const QString& hostRoot) {
    writeFolder(files, hostRoot, {QStringLiteral("TestSets"), QStringLiteral("QuestionSet")});
}

} // namespace examtrainer::bank
