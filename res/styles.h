/* Window classes and style bits of the dialog templates, with the Windows
 * values.
 *
 * Read by the Windows resource compiler (dialogs.rc) and by the C++ code
 * (the dialog template table and the headless toolkit), so it holds plain
 * #defines of numbers and strings only. The PF_ prefix keeps the names apart
 * from the platform headers' own macros. */
#ifndef PF_RES_STYLES_H
#define PF_RES_STYLES_H

/* Window classes */
#define PF_WC_BUTTON "Button"
#define PF_WC_EDIT "Edit"
#define PF_WC_STATIC "Static"
#define PF_WC_LISTBOX "ListBox"
#define PF_WC_COMBOBOX "ComboBox"
#define PF_WC_TREEVIEW "SysTreeView32"

/* Any window */
#define PF_WS_POPUP 0x80000000L
#define PF_WS_CHILD 0x40000000L
#define PF_WS_VISIBLE 0x10000000L
#define PF_WS_DISABLED 0x08000000L
#define PF_WS_CAPTION 0x00C00000L
#define PF_WS_BORDER 0x00800000L
#define PF_WS_VSCROLL 0x00200000L
#define PF_WS_HSCROLL 0x00100000L
#define PF_WS_SYSMENU 0x00080000L
#define PF_WS_GROUP 0x00020000L
#define PF_WS_MINIMIZEBOX 0x00020000L
#define PF_WS_TABSTOP 0x00010000L
#define PF_WS_EX_CLIENTEDGE 0x00000200L

/* Dialog boxes */
#define PF_DS_SETFONT 0x0040L
#define PF_DS_MODALFRAME 0x0080L
#define PF_DS_FIXEDSYS 0x0008L
#define PF_DS_CENTER 0x0800L

/* Buttons: the low four bits are the button type */
#define PF_BS_TYPEMASK 0x000FL
#define PF_BS_PUSHBUTTON 0x0000L
#define PF_BS_DEFPUSHBUTTON 0x0001L
#define PF_BS_CHECKBOX 0x0002L
#define PF_BS_AUTOCHECKBOX 0x0003L
#define PF_BS_RADIOBUTTON 0x0004L
#define PF_BS_GROUPBOX 0x0007L
#define PF_BS_AUTORADIOBUTTON 0x0009L

/* Edit controls */
#define PF_ES_LEFT 0x0000L
#define PF_ES_MULTILINE 0x0004L
#define PF_ES_AUTOVSCROLL 0x0040L
#define PF_ES_AUTOHSCROLL 0x0080L
#define PF_ES_READONLY 0x0800L
#define PF_ES_WANTRETURN 0x1000L

/* Static controls: the low five bits are the static type */
#define PF_SS_LEFT 0x0000L
#define PF_SS_OWNERDRAW 0x000DL
#define PF_SS_TYPEMASK 0x001FL
#define PF_SS_NOPREFIX 0x0080L

/* List boxes */
#define PF_LBS_NOTIFY 0x0001L
#define PF_LBS_NOINTEGRALHEIGHT 0x0100L

/* Combo boxes: the low two bits are the combo type */
#define PF_CBS_TYPEMASK 0x0003L
#define PF_CBS_DROPDOWN 0x0002L
#define PF_CBS_DROPDOWNLIST 0x0003L
#define PF_CBS_AUTOHSCROLL 0x0040L

/* Tree views */
#define PF_TVS_HASBUTTONS 0x0001L
#define PF_TVS_HASLINES 0x0002L
#define PF_TVS_LINESATROOT 0x0004L
#define PF_TVS_DISABLEDRAGDROP 0x0010L
#define PF_TVS_SHOWSELALWAYS 0x0020L
#define PF_TVS_CHECKBOXES 0x0100L

#endif
