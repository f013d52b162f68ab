#pragma once

#include "document/radio_image.h"

// Makes the port name "SIM" open a simulated radio that lives as long as the
// program, so that Read and Write can be tried without a radio: what is
// written to it can be read back. Its memory starts as `memory`.
void RegisterSimulatedRadio(const RadioImage& memory);
