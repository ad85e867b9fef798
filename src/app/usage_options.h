#pragma once

#include "companion/usage_record.h"
#include "document/saved_options.h"

// The document's saved options as the usage record keeps them: texts under their keys.
namespace app {

// Names the option keys of a record before it is loaded.
void nameSavedOptions(companion::UsageRecord& record);

document::SavedOptions readSavedOptions(const companion::UsageRecord& record);

// The chart's choices are written only after a chart was made this run; otherwise the record keeps
// its texts as they were, however they were written.
void writeSavedOptions(const document::SavedOptions& options, bool chartMade, companion::UsageRecord& record);

}  // namespace app
