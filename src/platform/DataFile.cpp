#include "DataFile.h"

#include "DataRoot.h"
#include "Errors.h"

#include <QFile>
#include <QFileInfo>

namespace examtrainer {

std::string readDataFile(const std::string& dataPath) {
    const std::optional<QString> host = mapDataPath(dataPath);
    if (!host)
        throw DataError("File not found: " + dataPath);
    QFile file(*host);
    if (!QFileInfo(*host).isFile() || !file.open(QIODevice::ReadOnly))
        throw DataError("File not found: " + dataPath);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw DataError("File could not be read: " + dataPath);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool dataFileExists(const std::string& dataPath) {
    const std::optional<QString> host = mapDataPath(dataPath);
    return host && QFileInfo(*host).isFile();
}

} // namespace examtrainer
