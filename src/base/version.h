/* The version, given once here, and the rights notice. The About dialog, the file's version
   resource, the release zip's name (tools/release.sh) and the changelog's newest heading all
   say this version; the release check fails when they do not. Preprocessor-only, so that
   windres can read it too. */
#ifndef FLOCKHAND_VERSION_H
#define FLOCKHAND_VERSION_H

#define FLOCKHAND_VERSION_MAJOR 1
#define FLOCKHAND_VERSION_MINOR 6

#define FLOCKHAND_STRING_OF(x) #x
#define FLOCKHAND_STRING(x) FLOCKHAND_STRING_OF(x)
#define FLOCKHAND_VERSION_NUMBER FLOCKHAND_VERSION_MAJOR, FLOCKHAND_VERSION_MINOR, 0, 0
#define FLOCKHAND_VERSION_TEXT FLOCKHAND_STRING(FLOCKHAND_VERSION_MAJOR.FLOCKHAND_VERSION_MINOR)
#define FLOCKHAND_NAME_AND_VERSION "Flockhand, Version " FLOCKHAND_VERSION_TEXT
#define FLOCKHAND_RIGHTS "Copyright (C) 2026 The Flockhand Authors"

#endif
