// One line per command identifier. Keyboard commands run whether or not the matching button
// is enabled; each operation copes with an empty selection itself.
#include "app/command_dispatch.h"

#include "app/caption_hints.h"
#include "app/compact_mode.h"
#include "app/filter_and_selection.h"
#include "app/main_window.h"
#include "app/order_and_refresh.h"
#include "app/panel_state.h"
#include "app/transparency_switch.h"
#include "base/resource_ids.h"
#include "broadcast/paste.h"
#include "groups/groups.h"
#include "operations/arrangement.h"
#include "operations/cell_layout.h"
#include "operations/flash_and_hide.h"
#include "resources/about_dialog.h"
#include "terminals/terminal_model.h"

#include <windows.h>

bool DispatchCommand(int id, int notification) {
  switch (id) {
    case IDM_ABOUT: AboutDialog(Panel.MainWindow); return true;
    case IDM_EXIT: DestroyWindow(Panel.MainWindow); return true;
    case IDC_FILTER_BOX:
      if (notification == EN_UPDATE) ApplyFilter();
      return true;
    case IDC_TERMINAL_LIST:
      if (notification == LBN_SELCHANGE) SyncSelectionFromList();
      return true;
    case IDM_CAPTION_HINTS: ToggleCaptionHints(); return true;
    case IDM_REFRESH: RefreshTerminals(); return true;
    case IDM_SELECT_ALL: SelectAllShown(); return true;
    case IDM_FOCUS_DISPLAY: SetFocus(Panel.WindowOps.DisplayCombo); return true;
    case IDM_COMPACT: ToggleCompactMode(); return true;
    case IDM_FOCUS_FILTER: SetFocus(Panel.FilterBox); return true;
    case IDM_FOCUS_COMMAND: SetFocus(Panel.CommandBox); return true;
    case IDM_INVERT: InvertSelection(); return true;
    case IDM_FOCUS_AREA: SetFocus(Panel.WindowOps.AreaCombo); return true;
    case IDM_TRANSPARENCY: ToggleTransparency(); return true;
    case IDM_PASTE: BroadcastPaste(); return true;
    case IDM_REVERSE: ReverseOrder(); return true;
    case IDM_OPTIONS: OpenOptions(); return true;
    case IDM_FLASH: FlashSelected(); return true;
    case IDM_HIDE_OTHERS: HideOthers(); return true;
    case IDM_ARRANGE: ArrangeTerminals(); return true;
    case IDM_MENU_BAR: ToggleMenuBars(); return true;
    case IDM_QUICK_FULL_KEYPAD: QuickArrange(ArrangeArea::Whole); return true;
    case IDM_QUICK_LEFT_KEYPAD: QuickArrange(ArrangeArea::LeftHalf); return true;
    case IDM_QUICK_TOP_KEYPAD: QuickArrange(ArrangeArea::TopHalf); return true;
    case IDM_QUICK_RIGHT_KEYPAD: QuickArrange(ArrangeArea::RightHalf); return true;
    case IDM_QUICK_BOTTOM_KEYPAD: QuickArrange(ArrangeArea::BottomHalf); return true;
    case IDM_QUICK_FULL: QuickArrange(ArrangeArea::Whole); return true;
    case IDM_QUICK_LEFT: QuickArrange(ArrangeArea::LeftHalf); return true;
    case IDM_QUICK_TOP: QuickArrange(ArrangeArea::TopHalf); return true;
    case IDM_QUICK_RIGHT: QuickArrange(ArrangeArea::RightHalf); return true;
    case IDM_QUICK_BOTTOM: QuickArrange(ArrangeArea::BottomHalf); return true;
    default: return DispatchGroupCommand(id);
  }
}
