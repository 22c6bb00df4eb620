// Creates the 21 controls of the main window in their fixed order, with their subclass
// procedures, cue banners, tooltips and the panel font. Controls created at 0,0,0,0 get
// their place from LayoutControls.
#include "app/control_panel.h"

#include "app/button_captions.h"
#include "app/caption_hints.h"
#include "app/compact_mode.h"
#include "app/control_tips.h"
#include "app/filter_and_selection.h"
#include "app/main_window.h"
#include "app/operation_buttons.h"
#include "app/order_and_refresh.h"
#include "app/panel_layout.h"
#include "app/panel_scale.h"
#include "app/panel_state.h"
#include "app/selection_counter.h"
#include "app/transparency_switch.h"
#include "base/resource_ids.h"
#include "base/window_dpi.h"
#include "broadcast/keystroke.h"
#include "operations/arrangement.h"
#include "operations/flash_and_hide.h"
#include "operations/window_ops_group.h"
#include "resources/image_buttons.h"
#include "terminals/title_filter.h"

#include <initializer_list>
#include <commctrl.h>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPushButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kEditBox = kChild | WS_BORDER;
constexpr DWORD kNumberBox = kChild | WS_BORDER | ES_NUMBER | ES_RIGHT;
constexpr DWORD kDropDownList = kChild | CBS_DROPDOWNLIST;

// Grid counts beyond four digits outnumber any desktop's terminals (and the product of two
// such counts stays far within 32 bits). Four digits also fill the 40-pixel box.
constexpr int kGridCountDigits = 4;

// Created without size: LayoutControls places them.
constexpr LayoutRect kUnplaced = {0, 0, 0, 0};

// Made where it goes at the parent's scale: place is at 96 DPI.
HWND CreateControl(HWND parent, DWORD exStyle, const wchar_t* windowClass, const wchar_t* text,
                   DWORD style, int id, LayoutRect place) {
  const LayoutRect at = ScaleRect(place, WindowDpi(parent));
  return CreateWindowExW(exStyle, windowClass, text, style, at.x, at.y, at.width, at.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Panel.ModuleHandle,
                         nullptr);
}

// Without horizontal auto-scroll an edit trims a pasted text until it fits its width, at a
// cost that grows steeply with the text's length (100 000 characters: minutes under Wine).
// A limit cuts a paste first; typing still stops where the box is full.
void LimitText(HWND edit, int units) { SendMessageW(edit, EM_SETLIMITTEXT, units, 0); }

void SetCueBanner(HWND edit, const wchar_t* banner, BOOL showWhileFocused) {
  SendMessageW(edit, EM_SETCUEBANNER, showWhileFocused, reinterpret_cast<LPARAM>(banner));
}

// One of the seven buttons that run an operation: captioned as without hints, with its tip.
HWND CreateOperationButton(HWND parent, CaptionButton caption, void (*operation)(),
                           const wchar_t* tip, LayoutRect place = kUnplaced) {
  HWND button = CreateControl(parent, 0, L"BUTTON", ButtonCaption(caption, false, false),
                              kPushButton, 0, place);
  AttachButtonOperation(button, operation);
  AddControlTip(button, tip, 300);
  return button;
}

void CreateCommandRow(HWND main) {
  Panel.CommandBox =
      CreateControl(main, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kEditBox, 0, kUnplaced);
  SetCueBanner(Panel.CommandBox, L"コマンド入力", FALSE);
  InstallCommandBoxProc(Panel.CommandBox, ToggleTransparency);
  AddControlTip(Panel.CommandBox,
                L"ここにコマンドを入力してください。\nダブルクリックで半透明にもなります。\n"
                L"Alt+I でフォーカスが移動します。",
                200);

  Panel.CompactButton = CreateControl(main, 0, L"BUTTON", L"", kPushButton, 0, kCompactButtonRect);
  InstallCompactButtonProc(Panel.CompactButton, ToggleCompactMode,
                           [] { return Panel.CompactMode; });

  Panel.ListCaption = CreateControl(main, 0, L"STATIC", L"TeraTerm ウィンドウ一覧",
                                    kChild | SS_LEFT | SS_NOTIFY, 0, kListCaptionRect);
  InstallListCaptionProc(Panel.ListCaption);
}

void CreateListColumn(HWND main) {
  Panel.FilterBox =
      CreateControl(main, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kEditBox, IDC_FILTER_BOX, kUnplaced);
  SetCueBanner(Panel.FilterBox, L"フィルタリング", TRUE);
  LimitText(Panel.FilterBox, kFilterTextLimit);
  AddControlTip(Panel.FilterBox,
                L"TeraTermウィンドウをフィルタリングできます。\nAlt+F でフォーカスが移動します。",
                300);

  Panel.TerminalListBox = CreateControl(
      main, WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
      kChild | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, IDC_TERMINAL_LIST, kUnplaced);
  InstallTerminalListProc(Panel.TerminalListBox);
  AddControlTip(Panel.TerminalListBox,
                L"操作するTeraTermウィンドウを選択してください。\nAlt+A で全選択ができます。", 300);

  Panel.ReverseOrderButton = CreateOperationButton(main, CaptionButton::ReverseOrder, ReverseOrder,
                                                   L"並び順を反転させることができます。\nF4");
  Panel.InvertSelectionButton =
      CreateOperationButton(main, CaptionButton::InvertSelection, InvertSelection,
                            L"選択状態を反転させることができます。\nAlt+R");
  Panel.FlashButton =
      CreateOperationButton(main, CaptionButton::Flash, FlashSelected,
                            L"選択されているTeraTermウィンドウを点滅させます。\nAlt+B");
}

void CreateWindowOpsGroup(HWND main) {
  Panel.WindowOpsGroup =
      CreateControl(main, 0, L"BUTTON", L"ウィンドウ操作", kChild | BS_GROUPBOX, 0, kUnplaced);
  InstallWindowOpsGroupProc(Panel.WindowOpsGroup);
  HWND group = Panel.WindowOpsGroup;

  Panel.WindowOps.DisplayCombo = CreateControl(group, 0, L"COMBOBOX", nullptr, kDropDownList,
                                               IDC_WINDOW_OPS_COMBO, kDisplayComboRect);
  AddControlTip(Panel.WindowOps.DisplayCombo,
                L"並べるディスプレイを指定できます。\nAlt+D でフォーカスが移動します。", 300);

  Panel.MenuBarButton =
      CreateOperationButton(group, CaptionButton::MenuBar, ToggleMenuBars,
                            L"メニューバーの表示On/Offを切り換えます。\nAlt+M", kMenuBarButtonRect);

  Panel.WindowOps.AreaCombo = CreateControl(group, 0, L"COMBOBOX", nullptr, kDropDownList,
                                            IDC_WINDOW_OPS_COMBO, kAreaComboRect);
  for (const wchar_t* area : {L"画面いっぱい", L"左半分", L"上半分", L"右半分", L"下半分"}) {
    SendMessageW(Panel.WindowOps.AreaCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(area));
  }
  SendMessageW(Panel.WindowOps.AreaCombo, CB_SETCURSEL, 0, 0);
  AddControlTip(Panel.WindowOps.AreaCombo,
                L"並べる範囲を指定できます。\nAlt+S でフォーカスが移動します。", 300);

  Panel.ColumnsLabel =
      CreateControl(group, 0, L"STATIC", L"列", kChild | SS_LEFT, 0, kColumnsLabelRect);
  Panel.WindowOps.ColumnsEdit =
      CreateControl(group, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kNumberBox, 0, kColumnsEditRect);
  SetWindowTextW(Panel.WindowOps.ColumnsEdit, L"1");
  LimitText(Panel.WindowOps.ColumnsEdit, kGridCountDigits);
  Panel.RowsLabel = CreateControl(group, 0, L"STATIC", L"行", kChild | SS_LEFT, 0, kRowsLabelRect);
  Panel.WindowOps.RowsEdit =
      CreateControl(group, WS_EX_CLIENTEDGE, L"EDIT", nullptr, kNumberBox, 0, kRowsEditRect);
  SetWindowTextW(Panel.WindowOps.RowsEdit, L"1");
  LimitText(Panel.WindowOps.RowsEdit, kGridCountDigits);

  Panel.ArrangeButton = CreateOperationButton(group, CaptionButton::Arrange, ArrangeTerminals,
                                              L"TeraTermウィンドウを並べます。\nAlt+L");
  Panel.HideOthersButton =
      CreateOperationButton(group, CaptionButton::HideOthers, HideOthers,
                            L"選択されていないTeraTermウィンドウを最小化します。\nAlt+H");
  AttachWindowOpsControls(&Panel.WindowOps);
}

void CreateBottomRows(HWND main) {
  Panel.RefreshButton = CreateOperationButton(main, CaptionButton::Refresh, RefreshTerminals,
                                              L"TeraTermウィンドウを更新します。\nF5");

  Panel.HelpButton = CreateControl(main, 0, L"BUTTON", L"", kPushButton, 0, kUnplaced);
  InstallHelpButtonProc(Panel.HelpButton);

  Panel.SelectionCountLabel = CreateControl(main, 0, L"STATIC", FormatSelectionCount(0).c_str(),
                                            kChild | SS_RIGHT, 0, kUnplaced);
}

}  // namespace

void BuildControlPanel(HWND mainWindow) {
  CreateCommandRow(mainWindow);
  CreateListColumn(mainWindow);
  CreateWindowOpsGroup(mainWindow);
  CreateBottomRows(mainWindow);
  ApplyPanelFont(mainWindow);
}
