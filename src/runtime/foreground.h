// Giving the foreground back to Flockhand after an operation has brought terminals forward.
#pragma once

void BringFlockhandForward();

// The same, with the focus in the command box, where the user's next keys belong.
void BringCommandBoxForward();
