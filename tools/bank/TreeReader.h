#pragma once

#include "DataSource.h"

#include <QString>

namespace examtrainer::bank {

// Reads the data tree at hostRoot back into its readable form, through the trainer's own field
// reader, deciphering the texts and unmasking the figures in what it returns. The tree is only
// read. Throws BankError for a tree the trainer itself could not read.
DataSource readTree(const QString& hostRoot);

} // namespace examtrainer::bank
