#pragma once
// Rebuilds the index file of a file set from its data file, under the definition's keys.

#include "platform/isam/FileDefinition.h"
#include "platform/isam/IsamStatus.h"

namespace platform::isam {

// Holds the data file exclusively while it reads every record, sorts each key's entries and
// writes <stem>.idx anew (under a temporary name, then renamed over the old one). The set is
// left closed. Fails with the open statuses of the data file, DuplicateKeyInData,
// BadRecordInData or IndexWriteFailed; the old index is then left as it was.
Status rebuildIndex(const FileDefinition& definition);

}  // namespace platform::isam
