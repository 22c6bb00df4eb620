/* Identifiers shared by flockhand.rc and the code: every number Flockhand trades with
   Windows resources, its own controls and keyboard commands. Preprocessor-only, so that
   windres can read it too. */
#ifndef FLOCKHAND_RESOURCE_IDS_H
#define FLOCKHAND_RESOURCE_IDS_H

/* String table */
#define IDS_APP_TITLE 103
#define IDS_WINDOW_CLASS 109

/* Dialogs; IDC_STATIC marks their controls without an identifier */
#define IDD_ABOUT 103
#define IDC_STATIC (-1)

/* Icon, accelerator table */
#define IDI_FLOCKHAND 107
#define IDA_FLOCKHAND 109

/* PNG images (resource type "PNG"), 16 pixels square. Each is drawn again for the larger
   display scales: at the size kImageSizes[n] (resources/image_size.h) it has the image's
   number plus n times IDP_SIZE_STEP (scaled_images.rc, made with the images). */
#define IDP_CHEVRON_UP 4001
#define IDP_CHEVRON_DOWN 4002
#define IDP_HELP 4003
#define IDP_SIZE_STEP 10

/* System-menu items. The About item shares its number with the About keys' command
   (IDM_ABOUT): both open the same dialog, and the keys, translated against a window whose
   system menu holds the same number, arrive as WM_SYSCOMMAND like the item does. */
#define IDM_SYS_ABOUT 104
#define IDM_SYS_OPTIONS 112
#define IDM_SYS_FRAMES 160 /* frames around the selected terminals; no accelerator has it */
#define IDM_SYS_LIVE_LIST 176 /* the list follows the desktop; no accelerator has it */

/* Commands of the main window (accelerators and WM_COMMAND) */
#define IDM_ABOUT 104 /* = IDM_SYS_ABOUT, see there */
#define IDM_EXIT 105
#define IDM_CAPTION_HINTS 2999
#define IDM_REFRESH 3000
#define IDM_SELECT_ALL 3001
#define IDM_FLASH 3002
#define IDM_FOCUS_DISPLAY 3003
#define IDM_COMPACT 3004
#define IDM_FOCUS_FILTER 3005
#define IDM_HIDE_OTHERS 3006
#define IDM_FOCUS_COMMAND 3007
#define IDM_ARRANGE 3008
#define IDM_MENU_BAR 3009
#define IDM_INVERT 3010
#define IDM_FOCUS_AREA 3011
#define IDM_TRANSPARENCY 3012
#define IDM_PASTE 3013
#define IDM_REVERSE 3014
#define IDM_QUICK_FULL_KEYPAD 3020
#define IDM_QUICK_LEFT_KEYPAD 3021
#define IDM_QUICK_TOP_KEYPAD 3022
#define IDM_QUICK_RIGHT_KEYPAD 3023
#define IDM_QUICK_BOTTOM_KEYPAD 3024
#define IDM_QUICK_FULL 3025
#define IDM_QUICK_LEFT 3026
#define IDM_QUICK_TOP 3027
#define IDM_QUICK_RIGHT 3028
#define IDM_QUICK_BOTTOM 3029
#define IDM_OPTIONS 3030

/* Control identifiers (all other controls have 0) */
#define IDC_FILTER_BOX 2000
#define IDC_TERMINAL_LIST 2001
#define IDC_WINDOW_OPS_COMBO 2002 /* both DisplayCombo and AreaCombo */

/* Paste confirmation dialog and its text */
#define IDD_PASTE_CONFIRM 106
#define IDC_PASTE_TEXT 111

/* Options dialog and its controls */
#define IDD_OPTIONS 113
#define IDC_PASTE_CONFIRM_CHECK 114
#define IDC_ALPHA_TRACKBAR 115
#define IDC_ALPHA_VALUE 116
#define IDC_FORCE_PASTE_CHECK 117

/* Saved groups: the name dialog (saving and renaming), the menu's save item, and three ranges
   of menu commands, one command per group in each (kMaxGroups of groups/group_text.h) */
#define IDD_GROUP_NAME 120
#define IDC_GROUP_NAME 121
#define IDM_GROUP_SAVE 3100
#define IDM_GROUP_RECALL_FIRST 10000
#define IDM_GROUP_RENAME_FIRST 11000
#define IDM_GROUP_REMOVE_FIRST 12000

/* Global hot key Ctrl+Shift+T */
#define ID_SUMMON_HOTKEY 5000

#endif
