#pragma once

#include <QString>
#include <map>
#include <string>

namespace examtrainer::bank {

// Every file of a data tree, by its path below the data root in the trees' own form
// ("TestSets\Categories\Primary.txt"), with its bytes. A whole tree is put together here first,
// so that nothing is written unless all of it can be.
using TreeFiles = std::map<std::string, std::string>;

// A name that may stand as one folder or file name inside the tree. Throws BankError, naming
// where, for a name that would leave the data root or that Windows cannot hold.
const std::string& checkedName(const std::string& name, const std::string& where);

// Writes the files as the tree at hostRoot, replacing what was there. The tree is written beside
// it first and only then moved into place.
void writeTreeFiles(const TreeFiles& files, const QString& hostRoot);

} // namespace examtrainer::bank
