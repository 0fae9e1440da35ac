#pragma once

#include "DataSource.h"
#include "TreeFiles.h"

#include <QString>

namespace examtrainer::bank {

// Reads the readable source folder: catalogue.json, banks/*.json and figures/*.jpg. Throws
// BankError naming the file and the field at the first fault.
DataSource readSource(const QString& sourceFolder);

// The files of the readable source folder for a data source, by path below that folder.
TreeFiles sourceFiles(const DataSource& source);

} // namespace examtrainer::bank
