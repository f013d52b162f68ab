// The editing views this program has; each registers how it is made.
#include "shell/view_catalog.h"

void RegisterProgramViews()
{
}
