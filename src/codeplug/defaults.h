#pragma once
// The built-in defaults of a new document.

#include "codeplug/calendar.h"
#include "codeplug/identity.h"
#include "codeplug/records.h"

namespace zb {

// Every built-in default into the document and the production record, dated today; the model
// record names the identity's model and band.
void ApplyDefaults(Codeplug& doc, RmgDataRecord& rmg, const Identity& identity,
                   const CalendarDate& today);

}  // namespace zb
