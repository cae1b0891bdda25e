/* The module's string table, as one list macro: X(id, "text") per string id.
 *
 * Expanded by the C++ string lookup (src/common/StringTable.cpp) and by the
 * Windows resource compiler (strings.rc), which reads only macro definitions
 * from a header. ASCII texts only; texts that take values use the
 * wide-printf directives %d and %s. 14001, the plug-in's name and the
 * wizard's title, names the version, so that a user sees which one runs. */
#ifndef PATHFORGE_RES_STRINGS_H
#define PATHFORGE_RES_STRINGS_H

#include "pf_version.h"

#define PF_STRING_LIST(X) \
  X(12501, "The axis configuration could not be read from the CNC. Check the NC connection. You can still add axes by hand on the machine information page.") \
  X(12506, "The OVX information could not be read from the CNC.") \
  X(12518, "No program file was changed: %s could not be written because %s. Remove the cause and try again.") \
  X(12522, "A start position is invalid. Use at most five digits before the decimal point and six after it.") \
  X(12523, "The feed rate is invalid. Enter a number of zero or more, for example 3000.") \
  X(12524, "The dwell time is invalid. Enter a number of seconds of zero or more, for example 0.5.") \
  X(12525, "The travel distance is invalid. Enter a number of zero or more, for example 100.") \
  X(12526, "The circle radius is invalid. Enter a number of zero or more, for example 10.") \
  X(12531, "The CNC refused the program (status -6). Check that the NC accepts a program load in its current mode.") \
  X(12537, "Part system %d is not ready for a trial run. Put the NC into memory mode with the cycle stopped and try again.") \
  X(12538, "The program could not be loaded into the CNC.") \
  X(12550, "The CNC reported no OVX information. Servo measurements may not be available on this controller.") \
  X(12556, "The readiness of the CNC could not be checked.") \
  X(12564, "Load the program shown into the CNC for a trial run?") \
  X(12570, "another program has it open") \
  X(12571, "it is marked read-only") \
  X(12572, "the folder may not be written to") \
  X(12573, "the disk is full") \
  X(12574, "its path is longer than the system allows") \
  X(12575, "a folder or file of that name stands in the way") \
  X(12576, "it could not be found") \
  X(12577, "the system refused it") \
  X(12599, "Start position") \
  X(12600, "Forth and back") \
  X(12601, "Forth and back, high-accuracy mode") \
  X(12602, "Forth and back with dwell") \
  X(12603, "Forth and back twice, no dwell") \
  X(12604, "Move in plus direction") \
  X(12605, "Move in minus direction") \
  X(12606, "Move without dwell") \
  X(12607, "Move with dwell") \
  X(12608, "Circle, two turns") \
  X(12613, "< &Back") \
  X(12614, "&Next >") \
  X(12615, "Finish") \
  X(12616, "Mi&nimize") \
  X(12617, "&Restore") \
  X(12618, "Cancel") \
  X(12621, "Axis") \
  X(14001, "PathForge program wizard " PF_VERSION_TEXT) \
  X(14002, "Time constant") \
  X(14003, "A ticked program already exists in this project. Its files will be overwritten.") \
  X(14004, "Axis %s") \
  X(14005, "Cutting feed (G01)") \
  X(14006, "Machine information") \
  X(14007, "Program summary") \
  X(14009, "The axis of this program was not found among the axes of the CNC.") \
  X(14010, "Variant 1 (first radius and feed rate setting)") \
  X(14011, "Positioning") \
  X(14016, "Direction of the circle: clockwise (G02) or counter-clockwise (G03).") \
  X(14017, "Tick to dwell after each move.") \
  X(14018, "Dwell time after each move, in seconds.") \
  X(14020, "The generated program files. Select a file to see its text; you may edit it.") \
  X(14021, "Radius of the circle.") \
  X(14022, "Sampling time in seconds. It is estimated from the motion; you may change it.") \
  X(14023, "Feed rate in length units per minute.") \
  X(14024, "Order in which the axis moves to its start position; axes with the same order move together.") \
  X(14025, "Start position of the axis.") \
  X(14026, "Travel distance of the test move.") \
  X(14027, "Inertia ratio") \
  X(14028, "Check the machine type, the G-code list and the axes read from the CNC.") \
  X(14029, "Project") \
  X(14030, "Choose an existing project or type the name of a new one.") \
  X(14031, "Lathe") \
  X(14032, "Lost motion") \
  X(14033, "Circular lost motion, method 2") \
  X(14034, "Circular lost motion, method 3") \
  X(14035, "Machining centre") \
  X(14036, "Feed-forward") \
  X(14037, "Order") \
  X(14038, "Plane %s") \
  X(14039, "Start position") \
  X(14040, "Check what the project will hold, then press Finish to write it.") \
  X(14041, "Rapid traverse (G00)") \
  X(14042, "The program files already hold text. Generate them again and replace that text?") \
  X(14043, "Cancel the wizard? Programs that were not written are lost.") \
  X(14044, "Variant 2 (second radius and feed rate setting)") \
  X(14045, "Program selection") \
  X(14046, "Tick the programs to generate for each axis and plane.") \
  X(14060, "A project name cannot hold a slash, backslash, colon, comma, semicolon, asterisk, question mark, quotation mark, angle bracket or vertical bar.") \
  X(14061, "The names . and .. are not folder names of their own. Type another name.") \
  X(14062, "A project name cannot end in a dot or a blank: the folder would lose it and could become another project's.") \
  X(14063, "CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, and COM or LPT with a superscript 1, 2 or 3 name devices, also with an extension. Type another name.") \
  X(14064, "A project name cannot hold a control character such as a tab or a line break.") \
  X(14065, "A project name can have at most %d characters here: every program file of the project must have a path of at most 259 characters.") \
  X(14066, "The wizard cannot start: the folder for your projects and settings (your local application data folder) could not be found, or its path is longer than 260 characters. Nothing was written.") \
  X(14080, "The last Finish of this project was cut short; it has now been completed.") \
  X(14081, "The last Finish of this project was cut short; it was undone, and the project holds its earlier files.") \
  X(14082, "Files left over from a cut-short Finish of this project were removed.") \
  X(14083, "The last Finish of this project was cut short and cannot be completed or undone yet: %s could not be moved because %s.")

#endif
