/* The control ids of the dialog templates (dialogs.h), each named once.
 *
 * The templates place their controls by these names, and the C++ code
 * addresses them by the same names: the pages, the toolkit, the benchmark,
 * the Win32 proofs and the tests. Read by the Windows resource compiler
 * through dialogs.h, so it holds plain #defines of numbers only. (Wizard
 * scripts write the numbers themselves: that is their format.) */
#ifndef PF_RES_CONTROLS_H
#define PF_RES_CONTROLS_H

/* The control id of labels that no code addresses */
#define PF_IDC_STATIC (-1)

/* 2504: the name of an axis added by hand */
#define PF_IDC_AXIS_NAME 35004

/* 2505: machine information. The lathe G-code lists are the group box and
 * the radio group of lists 2 to 7 within it. */
#define PF_IDC_ADD_AXIS 35001
#define PF_IDC_AXIS_LIST 35003
#define PF_IDC_DELETE_AXIS 35006
#define PF_IDC_GCODE_GROUP 35010
#define PF_IDC_GCODE_LIST2 35011
#define PF_IDC_GCODE_LIST3 35012
#define PF_IDC_GCODE_LIST4 35013
#define PF_IDC_GCODE_LIST5 35014
#define PF_IDC_GCODE_LIST6 35015
#define PF_IDC_GCODE_LIST7 35016
#define PF_IDC_MACHINE_TYPE 35018 /* also 2508, where it names the type */
#define PF_IDC_MACHINE_TYPE_LABEL 35019

/* 2506: one program's parameters, axis grid and files. The second axis row
 * (PF_IDC_AXIS2 to PF_IDC_PLUS2) stays hidden; the axis grid is made at run
 * time in the place of its hidden placeholder. */
#define PF_IDC_DWELL_CHECK 35007
#define PF_IDC_DWELL 35008
#define PF_IDC_GRID_PLACE 35009
#define PF_IDC_AXIS_GRID 35017
#define PF_IDC_CREATE 35020
#define PF_IDC_RADIUS_LABEL 35021
#define PF_IDC_FEED_LABEL 35022
#define PF_IDC_PROGRAM_TEXT 35024 /* also 2508 */
#define PF_IDC_FILE_LIST 35025
#define PF_IDC_RADIUS 35028
#define PF_IDC_COUNTER_CLOCKWISE 35029
#define PF_IDC_CLOCKWISE 35030
#define PF_IDC_SMP_TIME 35031
#define PF_IDC_FEED 35032
#define PF_IDC_HEADING 35033
#define PF_IDC_PLUS 35034
#define PF_IDC_PLUS2 35035
#define PF_IDC_PLUS_LABEL2 35037
#define PF_IDC_MINUS 35038
#define PF_IDC_MINUS2 35039
#define PF_IDC_MINUS_LABEL2 35041
#define PF_IDC_AXIS 35042
#define PF_IDC_AXIS2 35043
#define PF_IDC_HINT 35044
#define PF_IDC_DISTANCE 35045
#define PF_IDC_TRIAL_RUN 35046
#define PF_IDC_MOTION_VERDICT 35048 /* also 2508 */
#define PF_IDC_MOTION_PICTURE 35049 /* also 2508 */

/* The in-place cell editor that the axis grid makes as its own child */
#define PF_IDC_GRID_EDITOR 8

/* 2507: the project */
#define PF_IDC_PROJECT 35027
#define PF_IDC_PROJECT_REASON 35050

/* 2508: the summary before Finish */
#define PF_IDC_SUMMARY_TREE 35023
#define PF_IDC_SUMMARY_PROJECT 35026

/* 2509: the programs to generate */
#define PF_IDC_SELECTION_TREE 35047
#define PF_IDC_SELECTION_WARNING 35002

#endif
