# Source lists by subsystem. Platform-neutral sources never include <windows.h>.

set(PORTABLE_CORE_SOURCES
  settings/text.cpp
  settings/file_paths.cpp
  settings/ansi_codepage.cpp
  settings/ini_file.cpp
  settings/portable_private_profile.cpp
  settings/profile_defaults.cpp
  settings/profile_file.cpp
  settings/pointer_settings.cpp
  settings/registry_path.cpp
  settings/catalogue.cpp
  bridge/change_flags.cpp
  monitor/button_events.cpp
  monitor/pointer_application.cpp
  monitor/input/key_table.cpp
  monitor/input/recording_input.cpp
  monitor/input/primitives.cpp
  monitor/dispatch/recording_actions.cpp
  monitor/dispatch/button_dispatcher.cpp
  monitor/macro/macro_player.cpp
  kbhook/mouse_report.cpp
  monitor/zoom/zoom.cpp
  skin/framework/dialog_template.cpp
  skin/button_pos.cpp
  skin/mask_runs.cpp
  skin/button_look.cpp
  skin/slider_position.cpp
  skin/numbers_only.cpp
  skin/owner_menu_layout.cpp
  skin/list_box_layout.cpp
  option/buttons/assign_function.cpp
  option/buttons/button_labels.cpp
  option/dialogs/pointer_speed_table.cpp
  option/dialogs/slider_click.cpp
  option/dialogs/system_sliders.cpp
  option/profile_import.cpp
)

# Win32 seams: the real implementations of the small interfaces above.
set(PLATFORM_WIN32_SOURCES
  platform/win32_private_profile.cpp
  platform/win32_registry.cpp
  platform/module_folder.cpp
  platform/system_settings_context.cpp
  settings/language_strings.cpp
  bridge/shared_block.cpp
  platform/win32_input_sink.cpp
)

# The skin framework's Win32 side: windows and dialogs, skin loading, shapes, skinned controls.
set(SKIN_WIN32_SOURCES
  skin/owner_menu.cpp
  skin/menu_frame_hook.cpp
  skin/framework/window.cpp
  skin/framework/message_loop.cpp
  skin/framework/modal_dialog.cpp
  skin/skin_description.cpp
  skin/picture_loader.cpp
  skin/load_skinned_window.cpp
  skin/region_batches.cpp
  skin/region_from_mask.cpp
  skin/region_from_corner_colour.cpp
  skin/skinned_window.cpp
  skin/ph_slider.cpp
  skin/skin_list_box.cpp
)
