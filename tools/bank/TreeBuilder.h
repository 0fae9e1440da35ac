#pragma once

#include "DataSource.h"
#include "TreeFiles.h"

namespace examtrainer::bank {

// Every file of the data tree the source describes. Throws BankError, naming the place, for
// anything the tree cannot hold.
TreeFiles buildTreeFiles(const DataSource& source);

} // namespace examtrainer::bank
