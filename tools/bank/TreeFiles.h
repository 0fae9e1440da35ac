#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>

namespace examtrainer::bank {

// Files by their path below a folder, with their bytes. Tree paths use the trees' own form
// ("TestSets\Categories\Primary.txt"); a whole tree is put together here first, so that nothing
// is written unless all of it can be.
using TreeFiles = std::map<std::string, std::string>;

// A name that may stand as one folder or file name inside the tree. Throws BankError, naming
// where, for a name that would leave the data root or that Windows cannot hold.
const std::string& checkedName(const std::string& name, const std::string& where);

// Writes the files as the folder target, replacing what was there. The folder is written beside
// it first and only then moved into place. A non-empty target that holds none of the marker
// names is refused, so that a slip of the command line cannot replace an unrelated folder.
void writeFolder(const TreeFiles& files, const QString& target, const QStringList& markers);

// A data tree: TestSets or QuestionSet mark an earlier one.
void writeTreeFiles(const TreeFiles& files, const QString& hostRoot);

} // namespace examtrainer::bank
