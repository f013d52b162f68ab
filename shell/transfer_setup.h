#pragma once

#include "link/transfer_dialog.h"

// What a transfer takes from the program's configuration as it stands now:
// the port chosen, the handshake setting, the service mode, the caption.
TransferSetup ProgramTransferSetup();

// The profile key of Setting > Keep transfer log.
inline constexpr char kKeepTransferLogKey[] = "Link/KeepTransferLog";
// The last transfer's log, in the user's data folder.
inline constexpr char kTransferLogName[] = "transfer.log";
