# flockhand.exe: a 64-bit GUI program with the wide entry point, statically linked so that
# it needs nothing but system DLLs. Its artwork is drawn at build time from
# tools/make_artwork.py.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(ARTWORK_FILES
  ${ARTWORK_DIR}/flockhand.ico
  ${ARTWORK_DIR}/compact_up.png
  ${ARTWORK_DIR}/compact_down.png
  ${ARTWORK_DIR}/help.png
  ${ARTWORK_DIR}/scaled_images.rc)
# The button images again for the larger display scales (SCALED_SIZES in make_artwork.py).
foreach(size 20 24 28 32 40 48)
  foreach(image compact_up compact_down help)
    list(APPEND ARTWORK_FILES ${ARTWORK_DIR}/${image}_${size}.png)
  endforeach()
endforeach()
add_custom_command(
  OUTPUT ${ARTWORK_FILES}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_artwork.py ${ARTWORK_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_artwork.py
  COMMENT "Drawing the icon and button images")
add_custom_target(artwork DEPENDS ${ARTWORK_FILES})

# The help file: the page with its shortcut table filled from the accelerator table and the
# pictures it shows (those of docs/), compiled by chmcmd (Debian's fp-utils).
set(HELP_DIR ${CMAKE_BINARY_DIR}/help)
set(HELP_CHM ${HELP_DIR}/flockhand.chm)
set(HELP_PICTURES ${CMAKE_SOURCE_DIR}/docs/flockhand-100.png ${CMAKE_SOURCE_DIR}/docs/flockhand-150.png)
add_custom_command(
  OUTPUT ${HELP_CHM}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_help.py
    ${CMAKE_SOURCE_DIR}/src/resources/help/flockhand.html
    ${CMAKE_SOURCE_DIR}/src/resources/flockhand.rc ${HELP_DIR} ${HELP_PICTURES}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_help.py
    ${CMAKE_SOURCE_DIR}/src/resources/help/flockhand.html
    ${CMAKE_SOURCE_DIR}/src/resources/flockhand.rc ${HELP_PICTURES}
  COMMENT "Compiling the help file")
add_custom_target(help_chm DEPENDS ${HELP_CHM})

add_executable(flockhand WIN32
  ${FLOCKHAND_PURE_SOURCES}
  src/base/documents_folder.cpp
  src/base/ini_file.cpp
  src/base/looking_thread.cpp
  src/base/notice.cpp
  src/base/under_wine.cpp
  src/base/window_dpi.cpp
  src/base/tooltip.cpp
  src/base/subclass.cpp
  src/app/caption_hints.cpp
  src/app/command_dispatch.cpp
  src/app/compact_mode.cpp
  src/app/control_panel.cpp
  src/app/control_tips.cpp
  src/app/filter_and_selection.cpp
  src/app/frames_menu.cpp
  src/app/layout_controls.cpp
  src/app/list_rows.cpp
  src/app/live_list.cpp
  src/app/live_list_menu.cpp
  src/app/main.cpp
  src/app/main_window.cpp
  src/app/menu_switch.cpp
  src/app/operation_buttons.cpp
  src/app/order_and_refresh.cpp
  src/app/panel_scale.cpp
  src/app/selection_state.cpp
  src/app/transparency_switch.cpp
  src/broadcast/keystroke.cpp
  src/broadcast/paste.cpp
  src/broadcast/paste_confirm_dialog.cpp
  src/broadcast/reach_notice.cpp
  src/frames/frame_look.cpp
  src/frames/frame_surface.cpp
  src/frames/frame_watch.cpp
  src/frames/frames.cpp
  src/groups/group_keys.cpp
  src/groups/group_menu.cpp
  src/groups/group_name_dialog.cpp
  src/groups/groups.cpp
  src/operations/arrangement.cpp
  src/operations/displays.cpp
  src/operations/flash_and_hide.cpp
  src/operations/grid_boxes.cpp
  src/operations/menu_bar.cpp
  src/operations/window_ops_group.cpp
  src/resources/about_dialog.cpp
  src/resources/help_file.cpp
  src/resources/image_buttons.cpp
  src/resources/png_image.cpp
  src/runtime/flockhand_window.cpp
  src/runtime/foreground.cpp
  src/runtime/journal.cpp
  src/runtime/operation_guard.cpp
  src/runtime/operation_progress.cpp
  src/runtime/pacing.cpp
  src/runtime/sent_command.cpp
  src/runtime/terminal_dialog_ok.cpp
  src/settings/frames_setting.cpp
  src/settings/list_setting.cpp
  src/settings/options_dialog.cpp
  src/settings/settings_file.cpp
  src/settings/transparency.cpp
  src/terminals/discovery.cpp
  src/terminals/reach_watch.cpp
  src/terminals/terminal_answer.cpp
  src/terminals/terminal_dialog.cpp
  src/terminals/terminal_watch.cpp
  src/resources/flockhand.rc)
add_dependencies(flockhand artwork help_chm)
set_source_files_properties(src/resources/flockhand.rc PROPERTIES
  OBJECT_DEPENDS "${ARTWORK_FILES};${CMAKE_SOURCE_DIR}/src/resources/flockhand.manifest;${CMAKE_SOURCE_DIR}/src/base/resource_ids.h;${CMAKE_SOURCE_DIR}/src/base/version.h;${HELP_CHM}")
target_include_directories(flockhand PRIVATE src)
target_compile_definitions(flockhand PRIVATE UNICODE _UNICODE STRICT
  _WIN32_WINNT=0x0601)
# Built for size: the Win32 code's time goes to the system's calls, where faster code buys
# nothing, and the program has to stay within its size. The logic that sorts, matches and
# merges thousands of entries, and places the frames' pieces, keeps -O2. Each function in a section of its own, so that the
# linker leaves out what nothing calls; not each variable, since MinGW's GCC gives a zero-filled
# variable of its own section bytes in the program's file instead of a place in .bss. No source
# folder's path in the program: the same sources give the same bytes wherever they are built
# (tools/release.sh relies on it).
target_compile_options(flockhand PRIVATE ${FLOCKHAND_WARNINGS} -Os -ffunction-sections
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
set_source_files_properties(src/frames/frame_geometry.cpp src/terminals/terminal_lists.cpp
  src/terminals/terminal_merge.cpp src/terminals/title_filter.cpp src/terminals/title_order.cpp
  PROPERTIES COMPILE_OPTIONS -O2)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${ARTWORK_DIR} -I${HELP_DIR} -I${CMAKE_SOURCE_DIR}/src/resources -I${CMAKE_SOURCE_DIR}/src")
target_link_options(flockhand PRIVATE -municode -static -Wl,--gc-sections)
target_link_libraries(flockhand PRIVATE comctl32 dwmapi gdiplus imm32 ole32 shell32 shlwapi uuid)
# The shipped program carries no debug information: flockhand.debug keeps it, with the
# symbols, for a debugger, which finds it through the program's debug link. objcopy writes the
# time it runs into both files' headers unless SOURCE_DATE_EPOCH gives one: 0 leaves them without
# a time, so that the program's bytes, the debug link's checksum included, do not depend on when
# it was built.
set(OBJCOPY ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
add_custom_command(TARGET flockhand POST_BUILD
  COMMAND ${OBJCOPY} --only-keep-debug $<TARGET_FILE:flockhand>
    $<TARGET_FILE_DIR:flockhand>/flockhand.debug
  COMMAND ${OBJCOPY} --strip-all
    --add-gnu-debuglink=$<TARGET_FILE_DIR:flockhand>/flockhand.debug $<TARGET_FILE:flockhand>
  COMMENT "Moving flockhand.exe's debug information into flockhand.debug")
