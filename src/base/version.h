/* The version and rights notice that the About dialog and the file's version resource both
   show. Preprocessor-only, so that windres can read it too. */
#ifndef FLOCKHAND_VERSION_H
#define FLOCKHAND_VERSION_H

#define FLOCKHAND_VERSION_NUMBER 1, 6, 0, 0
#define FLOCKHAND_VERSION_TEXT "1.6"
#define FLOCKHAND_NAME_AND_VERSION "Flockhand, Version 1.6"
#define FLOCKHAND_RIGHTS "Copyright (C) 2026 The Flockhand Authors"

#endif
