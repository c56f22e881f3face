#pragma once

class Tbmf;
class Tledf;
class Tnvf;
class TForm2;

extern Tbmf *bmf;
extern Tledf *ledf;
extern Tnvf *nvf;
extern TForm2 *Form2;

// The application title: message boxes and the main window show it.
inline constexpr const char applicationTitle[] = "Auto disconnect mode set program V1.2";

// Sets the application up and creates the five windows in order: Form1 (shown by the caller), then
// bmf, ledf, nvf and Form2, hidden. Needs a QApplication.
void createWindows();
// Destroys the windows in reverse order.
void destroyWindows();
