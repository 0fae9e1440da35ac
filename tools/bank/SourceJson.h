#pragma once

#include "DataSource.h"

#include <QString>

namespace examtrainer::bank {

// Reads the readable source folder (catalogue.json and what it names). Throws BankError naming
// the file and the field at the first fault.
DataSource readSource(const QString& sourceFolder);

} // namespace examtrainer::bank
