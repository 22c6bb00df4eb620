// The About dialog (dialog 103): the program's name, version and rights notice.
#pragma once

// Runs the dialog modally, owned by the main window; the caller decides about the opacity.
void AboutDialog();
