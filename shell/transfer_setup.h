#pragma once

#include "link/transfer_dialog.h"

// What a transfer takes from the program's configuration as it stands now:
// the port chosen, the handshake setting, the service mode, the caption.
TransferSetup ProgramTransferSetup();
