// The start sequence behind StartIF (Exports.h): load and initialise the NC
// interface, run the wizard modally, close the interface again.
#pragma once

namespace pf {

// Builds the program wizard (caption string 14001, no parent window, first
// page 0, no watermark, header bitmap 2501) on the module's NC wrapper, runs
// it until the user closes it, and destroys it. Without a data folder
// (GetAppDataFolder is empty) it only says so (string 14066) and writes
// nothing.
void RunWizard();

}  // namespace pf
