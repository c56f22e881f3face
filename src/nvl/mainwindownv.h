#pragma once

class TOpenDialog;

// The main window's NV logo controls: its open-file dialog and sample picture for the bitmap button,
// and the connections of nvcb, nvd, nvp and bbn to their handlers. Run once the main window exists.
void installMainWindowNvControls();

// The main window's open-file dialog (a child of the main window), or nullptr before it is installed.
TOpenDialog *mainOpenDialog();
