/* The module's dialog templates, one X-macro list per template.
 *
 *   PF_DIALOG_<id>(DIALOG, CONTROL) expands to
 *     DIALOG(id, width, height, style, caption)
 *     CONTROL(id, class, text, style, x, y, width, height, extended style) ...
 *
 * Rectangles are in dialog units; controls are listed in window (tab) order.
 * A control is shown at creation exactly when its style holds PF_WS_VISIBLE.
 * Radio groups run from a control with PF_WS_GROUP to the next one.
 *
 * Read by the Windows resource compiler (dialogs.rc) and by the C++ template
 * table (src/ui/Resources.cpp). Plain C preprocessor input: numbers, strings
 * without quotes or backslashes inside, and the names of styles.h and
 * pf_version.h. */
#ifndef PF_RES_DIALOGS_H
#define PF_RES_DIALOGS_H

#include "controls.h"
#include "pf_version.h"
#include "styles.h"

/* Every template, by id */
#define PF_DIALOG_LIST(X) X(2504) X(2505) X(2506) X(2507) X(2508) X(2509)

/* The wizard's title (the text of string 14001): wizard pages carry it as
 * their caption, which the platform shows in the sheet's title bar. */
#define PF_WIZARD_CAPTION "PathForge program wizard " PF_VERSION_TEXT

/* Every wizard page has one size, in dialog units: the sheet is sized to its
 * largest page. The program page needs the room for its parameters, axis
 * grid, file list and a readable program text side by side. */
#define PF_PAGE_CX 360
#define PF_PAGE_CY 204

/* Window styles of the two kinds of templates */
#define PF_STYLE_PAGE (PF_DS_SETFONT | PF_DS_FIXEDSYS | PF_WS_CHILD | PF_WS_DISABLED | PF_WS_CAPTION)
#define PF_STYLE_MODAL \
  (PF_DS_SETFONT | PF_DS_MODALFRAME | PF_DS_FIXEDSYS | PF_DS_CENTER | PF_WS_POPUP | PF_WS_CAPTION | PF_WS_SYSMENU)

/* Control styles used below */
#define PF_SHOWN (PF_WS_CHILD | PF_WS_VISIBLE)
#define PF_HIDDEN PF_WS_CHILD
#define PF_LABEL (PF_SHOWN | PF_SS_LEFT)
#define PF_VALUE (PF_SHOWN | PF_SS_LEFT | PF_SS_NOPREFIX)
#define PF_EDIT (PF_SHOWN | PF_WS_BORDER | PF_WS_TABSTOP | PF_ES_LEFT | PF_ES_AUTOHSCROLL)
#define PF_TEXT_AREA \
  (PF_SHOWN | PF_WS_BORDER | PF_WS_TABSTOP | PF_WS_VSCROLL | PF_WS_HSCROLL | PF_ES_MULTILINE | PF_ES_AUTOVSCROLL | \
   PF_ES_AUTOHSCROLL)
#define PF_PUSH (PF_SHOWN | PF_WS_TABSTOP | PF_BS_PUSHBUTTON)
/* A picture that the toolkit draws itself (ui/Picture.h). */
#define PF_PICTURE (PF_SHOWN | PF_SS_OWNERDRAW)
/* Controls that a page shows only for some program kinds: created hidden. */
#define PF_LABEL_BY_KIND (PF_HIDDEN | PF_SS_LEFT)
#define PF_EDIT_BY_KIND (PF_HIDDEN | PF_WS_BORDER | PF_WS_TABSTOP | PF_ES_LEFT | PF_ES_AUTOHSCROLL)
#define PF_RADIO_BY_KIND (PF_HIDDEN | PF_BS_AUTORADIOBUTTON)
#define PF_RADIO (PF_SHOWN | PF_BS_AUTORADIOBUTTON)
#define PF_LIST (PF_SHOWN | PF_WS_BORDER | PF_WS_VSCROLL | PF_WS_TABSTOP | PF_LBS_NOTIFY | PF_LBS_NOINTEGRALHEIGHT)
#define PF_TREE \
  (PF_SHOWN | PF_WS_BORDER | PF_WS_TABSTOP | PF_WS_GROUP | PF_TVS_HASBUTTONS | PF_TVS_HASLINES | PF_TVS_LINESATROOT | \
   PF_TVS_SHOWSELALWAYS | PF_TVS_DISABLEDRAGDROP)

/* 2504: the name of an axis added by hand */
#define PF_DIALOG_2504(DIALOG, CONTROL) \
  DIALOG(2504, 186, 44, PF_STYLE_MODAL, "Add Axis") \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Axis &name:", PF_LABEL, 7, 9, 44, 8, 0) \
  CONTROL(PF_IDC_AXIS_NAME, PF_WC_EDIT, "", PF_EDIT | PF_WS_GROUP, 54, 7, 66, 12, 0) \
  CONTROL(1, PF_WC_BUTTON, "OK", PF_SHOWN | PF_WS_TABSTOP | PF_WS_GROUP | PF_BS_DEFPUSHBUTTON, 129, 6, 50, 14, 0) \
  CONTROL(2, PF_WC_BUTTON, "Cancel", PF_PUSH, 129, 24, 50, 14, 0)

/* 2505: machine information (type, lathe G-code list, axes) */
#define PF_DIALOG_2505(DIALOG, CONTROL) \
  DIALOG(2505, PF_PAGE_CX, PF_PAGE_CY, PF_STYLE_PAGE, PF_WIZARD_CAPTION) \
  CONTROL(PF_IDC_MACHINE_TYPE_LABEL, PF_WC_STATIC, "&Machine type:", PF_LABEL, 7, 9, 56, 8, 0) \
  CONTROL(PF_IDC_MACHINE_TYPE, PF_WC_COMBOBOX, "", \
          PF_SHOWN | PF_WS_VSCROLL | PF_WS_TABSTOP | PF_WS_GROUP | PF_CBS_DROPDOWNLIST, 66, 7, 124, 60, 0) \
  CONTROL(PF_IDC_GCODE_GROUP, PF_WC_BUTTON, "Lathe G-code list", PF_SHOWN | PF_BS_GROUPBOX, 7, 26, 110, 110, 0) \
  CONTROL(PF_IDC_GCODE_LIST2, PF_WC_BUTTON, "List &2", PF_RADIO | PF_WS_GROUP | PF_WS_TABSTOP, 15, 40, 90, 10, 0) \
  CONTROL(PF_IDC_GCODE_LIST3, PF_WC_BUTTON, "List &3", PF_RADIO, 15, 55, 90, 10, 0) \
  CONTROL(PF_IDC_GCODE_LIST4, PF_WC_BUTTON, "List &4", PF_RADIO, 15, 70, 90, 10, 0) \
  CONTROL(PF_IDC_GCODE_LIST5, PF_WC_BUTTON, "List &5", PF_RADIO, 15, 85, 90, 10, 0) \
  CONTROL(PF_IDC_GCODE_LIST6, PF_WC_BUTTON, "List &6", PF_RADIO, 15, 100, 90, 10, 0) \
  CONTROL(PF_IDC_GCODE_LIST7, PF_WC_BUTTON, "List &7", PF_RADIO, 15, 115, 90, 10, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "A&xes:", PF_LABEL | PF_WS_GROUP, 128, 26, 150, 8, 0) \
  CONTROL(PF_IDC_AXIS_LIST, PF_WC_LISTBOX, "", PF_LIST, 128, 36, 150, 158, 0) \
  CONTROL(PF_IDC_ADD_AXIS, PF_WC_BUTTON, "&Add...", PF_PUSH, 286, 36, 60, 14, 0) \
  CONTROL(PF_IDC_DELETE_AXIS, PF_WC_BUTTON, "&Delete", PF_PUSH, 286, 54, 60, 14, 0)

/* 2506: one program's parameters with the axis grid below them, and its
 * files beside. The second stroke-end row is hidden; PF_IDC_GRID_PLACE is the
 * hidden placeholder where the page creates the axis grid. The dwell time has
 * a label of its own: the kinds that always dwell hide the check box beside
 * it. Above the files, the verdict of the motion check and its remarks, one
 * line each; beside the program text and its buttons (G-code lines are
 * short), the picture of the selected file's motion. */
#define PF_DIALOG_2506(DIALOG, CONTROL) \
  DIALOG(2506, PF_PAGE_CX, PF_PAGE_CY, PF_STYLE_PAGE, PF_WIZARD_CAPTION) \
  CONTROL(PF_IDC_HEADING, PF_WC_STATIC, "", PF_VALUE, 7, 2, 170, 8, 0) \
  CONTROL(PF_IDC_AXIS, PF_WC_STATIC, "", PF_VALUE, 7, 13, 38, 8, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Stroke end -:", PF_LABEL, 47, 13, 44, 8, 0) \
  CONTROL(PF_IDC_MINUS, PF_WC_STATIC, "", PF_VALUE, 93, 13, 36, 8, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "+:", PF_LABEL, 131, 13, 8, 8, 0) \
  CONTROL(PF_IDC_PLUS, PF_WC_STATIC, "", PF_VALUE, 141, 13, 36, 8, 0) \
  CONTROL(PF_IDC_MOTION_VERDICT, PF_WC_STATIC, "", PF_VALUE, 182, 2, 171, 33, 0) \
  CONTROL(PF_IDC_AXIS2, PF_WC_STATIC, "", PF_HIDDEN | PF_SS_NOPREFIX, 7, 23, 38, 8, 0) \
  CONTROL(PF_IDC_MINUS_LABEL2, PF_WC_STATIC, "Stroke end -:", PF_HIDDEN, 47, 23, 44, 8, 0) \
  CONTROL(PF_IDC_MINUS2, PF_WC_STATIC, "", PF_HIDDEN | PF_SS_NOPREFIX, 93, 23, 36, 8, 0) \
  CONTROL(PF_IDC_PLUS_LABEL2, PF_WC_STATIC, "+:", PF_HIDDEN, 131, 23, 8, 8, 0) \
  CONTROL(PF_IDC_PLUS2, PF_WC_STATIC, "", PF_HIDDEN | PF_SS_NOPREFIX, 141, 23, 36, 8, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "&Distance:", PF_LABEL, 7, 37, 53, 8, 0) \
  CONTROL(PF_IDC_DISTANCE, PF_WC_EDIT, "", PF_EDIT, 62, 35, 50, 12, 0) \
  CONTROL(PF_IDC_FEED_LABEL, PF_WC_STATIC, "&Feed rate:", PF_LABEL_BY_KIND, 7, 51, 53, 8, 0) \
  CONTROL(PF_IDC_FEED, PF_WC_EDIT, "", PF_EDIT_BY_KIND, 62, 49, 50, 12, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "D&well (s):", PF_LABEL, 7, 65, 53, 8, 0) \
  CONTROL(PF_IDC_DWELL, PF_WC_EDIT, "", PF_EDIT, 62, 63, 50, 12, 0) \
  CONTROL(PF_IDC_DWELL_CHECK, PF_WC_BUTTON, "&Use dwell", PF_SHOWN | PF_WS_TABSTOP | PF_BS_AUTOCHECKBOX, \
          118, 64, 52, 10, 0) \
  CONTROL(PF_IDC_RADIUS_LABEL, PF_WC_STATIC, "&Radius:", PF_LABEL_BY_KIND, 7, 79, 53, 8, 0) \
  CONTROL(PF_IDC_RADIUS, PF_WC_EDIT, "", PF_EDIT_BY_KIND, 62, 77, 50, 12, 0) \
  CONTROL(PF_IDC_CLOCKWISE, PF_WC_BUTTON, "G0&2 (CW)", PF_RADIO_BY_KIND | PF_WS_GROUP | PF_WS_TABSTOP, \
          7, 93, 53, 10, 0) \
  CONTROL(PF_IDC_COUNTER_CLOCKWISE, PF_WC_BUTTON, "G0&3 (CCW)", PF_RADIO_BY_KIND, 62, 93, 60, 10, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "&Sampling (s):", PF_LABEL | PF_WS_GROUP, 7, 107, 53, 8, 0) \
  CONTROL(PF_IDC_SMP_TIME, PF_WC_EDIT, "", PF_EDIT, 62, 105, 50, 12, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Start &positions:", PF_LABEL, 7, 123, 163, 8, 0) \
  CONTROL(PF_IDC_GRID_PLACE, PF_WC_STATIC, "", PF_HIDDEN, 7, 133, 163, 58, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Pro&gram files:", PF_LABEL | PF_WS_GROUP, 180, 37, 173, 8, 0) \
  CONTROL(PF_IDC_FILE_LIST, PF_WC_LISTBOX, "", PF_LIST, 180, 47, 173, 36, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Program te&xt:", PF_LABEL, 180, 86, 97, 8, 0) \
  CONTROL(PF_IDC_PROGRAM_TEXT, PF_WC_EDIT, "", PF_TEXT_AREA | PF_ES_WANTRETURN, 180, 96, 97, 77, 0) \
  CONTROL(PF_IDC_MOTION_PICTURE, PF_WC_STATIC, "", PF_PICTURE, 281, 86, 72, 105, 0) \
  CONTROL(PF_IDC_CREATE, PF_WC_BUTTON, "&Create", PF_PUSH, 180, 177, 46, 14, 0) \
  CONTROL(PF_IDC_TRIAL_RUN, PF_WC_BUTTON, "&Trial run", PF_PUSH, 231, 177, 46, 14, 0) \
  CONTROL(PF_IDC_HINT, PF_WC_STATIC, "", PF_VALUE, 7, 195, 346, 8, 0)

/* 2507: project name */
#define PF_DIALOG_2507(DIALOG, CONTROL) \
  DIALOG(2507, PF_PAGE_CX, PF_PAGE_CY, PF_STYLE_PAGE, PF_WIZARD_CAPTION) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "&Project:", PF_LABEL, 7, 9, 50, 8, 0) \
  CONTROL(PF_IDC_PROJECT, PF_WC_COMBOBOX, "", \
          PF_SHOWN | PF_WS_VSCROLL | PF_WS_TABSTOP | PF_WS_GROUP | PF_CBS_DROPDOWN | PF_CBS_AUTOHSCROLL, 60, 7, 220, \
          100, 0) \
  CONTROL(PF_IDC_PROJECT_REASON, PF_WC_STATIC, "", PF_VALUE, 60, 24, 293, 32, 0)

/* 2508: what the project will hold, and for the selected program its text,
 * the verdict of its motion check and the picture of its motion */
#define PF_DIALOG_2508(DIALOG, CONTROL) \
  DIALOG(2508, PF_PAGE_CX, PF_PAGE_CY, PF_STYLE_PAGE, PF_WIZARD_CAPTION) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Machine type:", PF_LABEL, 7, 4, 50, 8, 0) \
  CONTROL(PF_IDC_MACHINE_TYPE, PF_WC_STATIC, "", PF_VALUE, 60, 4, 110, 8, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Project:", PF_LABEL, 180, 4, 34, 8, 0) \
  CONTROL(PF_IDC_SUMMARY_PROJECT, PF_WC_STATIC, "", PF_VALUE, 216, 4, 137, 8, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "&Programs:", PF_LABEL, 7, 18, 163, 8, 0) \
  CONTROL(PF_IDC_SUMMARY_TREE, PF_WC_TREEVIEW, "", PF_TREE, 7, 28, 163, 174, 0) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "Program &text:", PF_LABEL | PF_WS_GROUP, 180, 18, 173, 8, 0) \
  CONTROL(PF_IDC_PROGRAM_TEXT, PF_WC_EDIT, "", PF_TEXT_AREA | PF_ES_READONLY, 180, 28, 173, 52, 0) \
  CONTROL(PF_IDC_MOTION_VERDICT, PF_WC_STATIC, "", PF_VALUE, 180, 83, 173, 25, 0) \
  CONTROL(PF_IDC_MOTION_PICTURE, PF_WC_STATIC, "", PF_PICTURE, 180, 110, 173, 92, 0)

/* 2509: programs to generate */
#define PF_DIALOG_2509(DIALOG, CONTROL) \
  DIALOG(2509, PF_PAGE_CX, PF_PAGE_CY, PF_STYLE_PAGE, PF_WIZARD_CAPTION) \
  CONTROL(PF_IDC_STATIC, PF_WC_STATIC, "&Programs to generate:", PF_LABEL, 7, 4, 346, 8, 0) \
  CONTROL(PF_IDC_SELECTION_TREE, PF_WC_TREEVIEW, "", PF_TREE | PF_TVS_CHECKBOXES, 7, 14, 346, 170, 0) \
  CONTROL(PF_IDC_SELECTION_WARNING, PF_WC_STATIC, "", PF_VALUE, 7, 188, 346, 16, 0)

#endif
