// Giving the foreground back to Flockhand after an operation has brought terminals forward.
#pragma once

void BringFlockhandForward();
