#pragma once

// The program never changes the user's display or taskbar: start-up only records the display mode
// (SavedDisplayMode) and restoring the desktop on the way out has nothing to undo.
void SaveDisplayMode();
void RestoreDesktop();
