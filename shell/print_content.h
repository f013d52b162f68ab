#pragma once

#include "controls/core/print_sheet.h"
#include "printing/core/print_layout.h"

class Document;

// The printout of a document: the chosen sections in their order, each read
// from the views and dialogs that edit it, loaded from a copy of the
// document, so that what prints is what the views show and printing changes
// nothing.
PrintSheet BuildPrintSheet(const Document& document, PrintSections sections);
