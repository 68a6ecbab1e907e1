/* Numbered texts of lan.dll, shared by both programs and by the string table in lan.rc.
 *
 * The numbers are a contract with every lan.dll that may be installed beside the programs, so an
 * id never changes its number or its role; a new text gets a new number. This header is read by
 * windres as well as by the C++ compilers: keep it to #define lines, with the C++ list below. */

#ifndef LANG_STRING_IDS_H
#define LANG_STRING_IDS_H

/* Main window: button captions (1, 2, 10, 11, 12) and texts painted on the background (1, 3 to 9).
 * Id 1 serves both as the caption of the button that opens the function menu and as the heading
 * of the button area. */
#define IDS_MAIN_ASSIGN_FUNCTION 1
#define IDS_MAIN_RESTORE_BUTTON_DEFAULT 2
#define IDS_MAIN_RIGHT_HANDED 3
#define IDS_MAIN_LEFT_HANDED 4
#define IDS_MAIN_WINDOWS_SETTINGS 5
#define IDS_MAIN_SPEED_HEADING 6
#define IDS_MAIN_POINTER_SPEED 7
#define IDS_MAIN_WHEEL_SPEED 8
#define IDS_MAIN_DOUBLE_CLICK_SPEED 9
#define IDS_MAIN_RESTORE_ALL_DEFAULTS 10
#define IDS_MAIN_APPLY 11
#define IDS_MAIN_CLOSE 12

/* Confirmation dialogs; OK and Cancel (22, 23) are also the key-capture dialogs' buttons. */
#define IDS_WARNING_TITLE 20
#define IDS_CLICK_WARNING_MESSAGE 21
#define IDS_OK 22
#define IDS_CANCEL 23
#define IDS_DELETE_MACRO_MESSAGE 25
#define IDS_NO_MACRO_SELECTED_MESSAGE 27
#define IDS_RESET_WARNING_TITLE 29
#define IDS_RESET_WARNING_MESSAGE 30
#define IDS_RESET_WARNING_OK 31
#define IDS_RESET_WARNING_CANCEL 32

/* Macro manager buttons; the record button swaps between 43 and 52. */
#define IDS_MACRO_RECORD 43
#define IDS_MACRO_NEW 46
#define IDS_MACRO_IMPORT 47
#define IDS_MACRO_EXPORT 48
#define IDS_MACRO_DELETE 49
#define IDS_MACRO_OK 50
#define IDS_MACRO_CANCEL 51
#define IDS_MACRO_STOP_RECORDING 52

/* Key-combination dialog: captions of the five modifier toggles. */
#define IDS_KEYS_NO_MODIFIER 53
#define IDS_KEYS_CTRL 54
#define IDS_KEYS_SHIFT 55
#define IDS_KEYS_ALT 56
#define IDS_KEYS_WIN 57

/* Monitor tray icon: context-menu items and tool tip. */
#define IDS_TRAY_OPEN_CONFIGURATOR 1002
#define IDS_TRAY_EXIT 1003
#define IDS_TRAY_TOOLTIP 1004

/* Button functions: each text is both the function menu's item and the label of a button that
 * carries the function. */
#define IDS_FUNC_LEFT_CLICK 1005
#define IDS_FUNC_RIGHT_CLICK 1006
#define IDS_FUNC_MIDDLE_CLICK 1007
#define IDS_FUNC_DOUBLE_CLICK 1008
#define IDS_FUNC_KEY_COMBINATION 1009
#define IDS_FUNC_DISABLED 1010
#define IDS_FUNC_FORWARD 1011
#define IDS_FUNC_BACK 1012
#define IDS_FUNC_SCROLL_UP 1013
#define IDS_FUNC_SCROLL_DOWN 1014
/* 1015, 1016, 1018 to 1020, 1024 to 1026 and 1028 to 1030 label functions that the monitor
 * performs nothing for (left to the mouse itself); only a profile file can assign them. */
#define IDS_FUNC_SCROLL_LEFT 1015
#define IDS_FUNC_SCROLL_RIGHT 1016
#define IDS_FUNC_CPI_CYCLE 1018
#define IDS_FUNC_CPI_UP 1019
#define IDS_FUNC_CPI_DOWN 1020
#define IDS_MENU_MACRO 1021
#define IDS_FUNC_PROFILE_CYCLE 1024
#define IDS_FUNC_NEXT_PROFILE 1025
#define IDS_FUNC_PREVIOUS_PROFILE 1026
#define IDS_FUNC_AUTO_FIRE 1027
#define IDS_FUNC_SNIPER 1028
#define IDS_FUNC_LIGHTING_ON_OFF 1029
#define IDS_FUNC_LIGHTING_EFFECT 1030
#define IDS_MENU_MULTIMEDIA 1031
#define IDS_FUNC_MEDIA_PLAYER 1032
#define IDS_FUNC_PREVIOUS_TRACK 1033
#define IDS_FUNC_NEXT_TRACK 1034
#define IDS_FUNC_PLAY_PAUSE 1035
#define IDS_FUNC_STOP 1036
#define IDS_FUNC_MUTE 1037
#define IDS_FUNC_VOLUME_UP 1038
#define IDS_FUNC_VOLUME_DOWN 1039
#define IDS_FUNC_CALCULATOR 1041
#define IDS_FUNC_EMAIL 1042
#define IDS_FUNC_FAVORITES 1043
#define IDS_FUNC_BROWSER_FORWARD 1044
#define IDS_FUNC_BROWSER_BACK 1045
#define IDS_FUNC_BROWSER_STOP 1046
#define IDS_FUNC_MY_COMPUTER_KEY 1047
#define IDS_FUNC_BROWSER_REFRESH 1048
#define IDS_FUNC_BROWSER_HOME 1049
#define IDS_FUNC_BROWSER_SEARCH 1050
/* Labels only as well: the monitor performs nothing for these two. */
#define IDS_FUNC_MY_DOCUMENTS 1051
#define IDS_FUNC_WEB_BROWSER 1052

/* Macro manager: right-click menu of the event list. 1059 to 1063 name the mouse buttons of the
 * step submenu, 1064 to 1066 what is inserted for the chosen button. */
#define IDS_EVENT_RECORD_BEFORE 1053
#define IDS_EVENT_RECORD_AFTER 1054
#define IDS_EVENT_INSERT_DELAY 1055
#define IDS_EVENT_EDIT_DELAY 1056
#define IDS_EVENT_DELETE 1057
#define IDS_EVENT_INSERT_MOUSE_BUTTON 1058
#define IDS_EVENT_BUTTON_LEFT 1059
#define IDS_EVENT_BUTTON_RIGHT 1060
#define IDS_EVENT_BUTTON_WHEEL 1061
#define IDS_EVENT_BUTTON_FORWARD 1062
#define IDS_EVENT_BUTTON_BACKWARD 1063
#define IDS_EVENT_PRESS 1064
#define IDS_EVENT_RELEASE 1065
#define IDS_EVENT_PRESS_AND_RELEASE 1066

/* Function menu: the macro submenu's first item, then the office and Windows submenus. */
#define IDS_MENU_MACRO_MANAGER 1067
#define IDS_MENU_OFFICE 1074
#define IDS_FUNC_CUT 1075
#define IDS_FUNC_COPY 1076
#define IDS_FUNC_PASTE 1077
#define IDS_FUNC_SELECT_ALL 1078
#define IDS_FUNC_FIND 1079
#define IDS_FUNC_NEW 1080
#define IDS_FUNC_PRINT 1081
#define IDS_FUNC_SAVE 1082
#define IDS_MENU_WINDOWS 1083
#define IDS_FUNC_SWITCH_WINDOW 1084
#define IDS_FUNC_CLOSE_WINDOW 1085
#define IDS_FUNC_COMPUTER_FOLDER 1086
#define IDS_FUNC_RUN_DIALOG 1087
#define IDS_FUNC_SHOW_DESKTOP 1088
#define IDS_FUNC_LOCK_COMPUTER 1089
#define IDS_FUNC_SINGLE_KEY 1097

/* Key names: the Shift prefix of a combination's label ("Ctrl+" and "Alt+" are fixed texts), and
 * the names of the left and right modifier keys. */
#define IDS_KEY_SHIFT_PREFIX 1098
#define IDS_KEY_LEFT_SHIFT 1099
#define IDS_KEY_RIGHT_SHIFT 1100
#define IDS_KEY_LEFT_CTRL 1101
#define IDS_KEY_RIGHT_CTRL 1102
#define IDS_KEY_LEFT_ALT 1103
#define IDS_KEY_RIGHT_ALT 1104

/* Configurator: a settings file that could not be written (the earlier file stays whole). */
#define IDS_SAVE_FAILED_MESSAGE 1105

/* Configurator: an imported profile whose buttons start programs; %s stands for their file names.
 */
#define IDS_IMPORT_LAUNCH_TITLE 1106
#define IDS_IMPORT_LAUNCH_MESSAGE 1107
#define IDS_IMPORT_LAUNCH_ALLOW 1108
#define IDS_IMPORT_LAUNCH_REMOVE 1109

/* Monitor tray: the active profile in the tip, the notice of a switch made by the program in
 * front, and the warning about a program that runs as administrator. Each %s stands for the next
 * argument in the order the comment names them. */
#define IDS_TRAY_TIP_PROFILE 1110            /* profile */
#define IDS_TRAY_TIP_PROFILE_BY_PROGRAM 1111 /* profile, program */
#define IDS_NOTICE_PROFILE_TITLE 1112
#define IDS_NOTICE_PROFILE_BY_PROGRAM 1113 /* program, profile */
#define IDS_NOTICE_PROFILE_CHOSEN 1114     /* profile */
#define IDS_NOTICE_ELEVATED_TITLE 1115
#define IDS_NOTICE_ELEVATED_MESSAGE 1116 /* program */

#ifdef __cplusplus
#include <cstdint>

/* Every id above, once each, in ascending order: the set that every lan.dll must hold. */
inline constexpr std::uint16_t kAllStringIds[] = {
    IDS_MAIN_ASSIGN_FUNCTION,
    IDS_MAIN_RESTORE_BUTTON_DEFAULT,
    IDS_MAIN_RIGHT_HANDED,
    IDS_MAIN_LEFT_HANDED,
    IDS_MAIN_WINDOWS_SETTINGS,
    IDS_MAIN_SPEED_HEADING,
    IDS_MAIN_POINTER_SPEED,
    IDS_MAIN_WHEEL_SPEED,
    IDS_MAIN_DOUBLE_CLICK_SPEED,
    IDS_MAIN_RESTORE_ALL_DEFAULTS,
    IDS_MAIN_APPLY,
    IDS_MAIN_CLOSE,
    IDS_WARNING_TITLE,
    IDS_CLICK_WARNING_MESSAGE,
    IDS_OK,
    IDS_CANCEL,
    IDS_DELETE_MACRO_MESSAGE,
    IDS_NO_MACRO_SELECTED_MESSAGE,
    IDS_RESET_WARNING_TITLE,
    IDS_RESET_WARNING_MESSAGE,
    IDS_RESET_WARNING_OK,
    IDS_RESET_WARNING_CANCEL,
    IDS_MACRO_RECORD,
    IDS_MACRO_NEW,
    IDS_MACRO_IMPORT,
    IDS_MACRO_EXPORT,
    IDS_MACRO_DELETE,
    IDS_MACRO_OK,
    IDS_MACRO_CANCEL,
    IDS_MACRO_STOP_RECORDING,
    IDS_KEYS_NO_MODIFIER,
    IDS_KEYS_CTRL,
    IDS_KEYS_SHIFT,
    IDS_KEYS_ALT,
    IDS_KEYS_WIN,
    IDS_TRAY_OPEN_CONFIGURATOR,
    IDS_TRAY_EXIT,
    IDS_TRAY_TOOLTIP,
    IDS_FUNC_LEFT_CLICK,
    IDS_FUNC_RIGHT_CLICK,
    IDS_FUNC_MIDDLE_CLICK,
    IDS_FUNC_DOUBLE_CLICK,
    IDS_FUNC_KEY_COMBINATION,
    IDS_FUNC_DISABLED,
    IDS_FUNC_FORWARD,
    IDS_FUNC_BACK,
    IDS_FUNC_SCROLL_UP,
    IDS_FUNC_SCROLL_DOWN,
    IDS_FUNC_SCROLL_LEFT,
    IDS_FUNC_SCROLL_RIGHT,
    IDS_FUNC_CPI_CYCLE,
    IDS_FUNC_CPI_UP,
    IDS_FUNC_CPI_DOWN,
    IDS_MENU_MACRO,
    IDS_FUNC_PROFILE_CYCLE,
    IDS_FUNC_NEXT_PROFILE,
    IDS_FUNC_PREVIOUS_PROFILE,
    IDS_FUNC_AUTO_FIRE,
    IDS_FUNC_SNIPER,
    IDS_FUNC_LIGHTING_ON_OFF,
    IDS_FUNC_LIGHTING_EFFECT,
    IDS_MENU_MULTIMEDIA,
    IDS_FUNC_MEDIA_PLAYER,
    IDS_FUNC_PREVIOUS_TRACK,
    IDS_FUNC_NEXT_TRACK,
    IDS_FUNC_PLAY_PAUSE,
    IDS_FUNC_STOP,
    IDS_FUNC_MUTE,
    IDS_FUNC_VOLUME_UP,
    IDS_FUNC_VOLUME_DOWN,
    IDS_FUNC_CALCULATOR,
    IDS_FUNC_EMAIL,
    IDS_FUNC_FAVORITES,
    IDS_FUNC_BROWSER_FORWARD,
    IDS_FUNC_BROWSER_BACK,
    IDS_FUNC_BROWSER_STOP,
    IDS_FUNC_MY_COMPUTER_KEY,
    IDS_FUNC_BROWSER_REFRESH,
    IDS_FUNC_BROWSER_HOME,
    IDS_FUNC_BROWSER_SEARCH,
    IDS_FUNC_MY_DOCUMENTS,
    IDS_FUNC_WEB_BROWSER,
    IDS_EVENT_RECORD_BEFORE,
    IDS_EVENT_RECORD_AFTER,
    IDS_EVENT_INSERT_DELAY,
    IDS_EVENT_EDIT_DELAY,
    IDS_EVENT_DELETE,
    IDS_EVENT_INSERT_MOUSE_BUTTON,
    IDS_EVENT_BUTTON_LEFT,
    IDS_EVENT_BUTTON_RIGHT,
    IDS_EVENT_BUTTON_WHEEL,
    IDS_EVENT_BUTTON_FORWARD,
    IDS_EVENT_BUTTON_BACKWARD,
    IDS_EVENT_PRESS,
    IDS_EVENT_RELEASE,
    IDS_EVENT_PRESS_AND_RELEASE,
    IDS_MENU_MACRO_MANAGER,
    IDS_MENU_OFFICE,
    IDS_FUNC_CUT,
    IDS_FUNC_COPY,
    IDS_FUNC_PASTE,
    IDS_FUNC_SELECT_ALL,
    IDS_FUNC_FIND,
    IDS_FUNC_NEW,
    IDS_FUNC_PRINT,
    IDS_FUNC_SAVE,
    IDS_MENU_WINDOWS,
    IDS_FUNC_SWITCH_WINDOW,
    IDS_FUNC_CLOSE_WINDOW,
    IDS_FUNC_COMPUTER_FOLDER,
    IDS_FUNC_RUN_DIALOG,
    IDS_FUNC_SHOW_DESKTOP,
    IDS_FUNC_LOCK_COMPUTER,
    IDS_FUNC_SINGLE_KEY,
    IDS_KEY_SHIFT_PREFIX,
    IDS_KEY_LEFT_SHIFT,
    IDS_KEY_RIGHT_SHIFT,
    IDS_KEY_LEFT_CTRL,
    IDS_KEY_RIGHT_CTRL,
    IDS_KEY_LEFT_ALT,
    IDS_KEY_RIGHT_ALT,
    IDS_SAVE_FAILED_MESSAGE,
    IDS_IMPORT_LAUNCH_TITLE,
    IDS_IMPORT_LAUNCH_MESSAGE,
    IDS_IMPORT_LAUNCH_ALLOW,
    IDS_IMPORT_LAUNCH_REMOVE,
    IDS_TRAY_TIP_PROFILE,
    IDS_TRAY_TIP_PROFILE_BY_PROGRAM,
    IDS_NOTICE_PROFILE_TITLE,
    IDS_NOTICE_PROFILE_BY_PROGRAM,
    IDS_NOTICE_PROFILE_CHOSEN,
    IDS_NOTICE_ELEVATED_TITLE,
    IDS_NOTICE_ELEVATED_MESSAGE,
};
#endif /* __cplusplus */

#endif /* LANG_STRING_IDS_H */
