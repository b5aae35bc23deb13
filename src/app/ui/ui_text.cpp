// Keeps the windows library non-empty until the first window lands; the helpers are inline.
#include "app/ui/ui_text.h"
