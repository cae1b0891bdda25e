/* The module's bitmaps: X(id, file, width, height), the file relative to this
 * folder. 2501 is the wizard's header picture; 2502 and 2503 are the marks of
 * the program trees (a document: written or in the project; blank: nothing
 * to write) on a white background that the image lists treat as
 * transparent. The marks must not look like the selection tree's check
 * boxes beside them.
 *
 * Read by the Windows resource compiler (bitmaps.rc) and by the C++ bitmap
 * table (src/ui/Resources.cpp). The resource compiler ignores everything but
 * macro definitions in a .h file, so the list is a macro that the .rc expands.
 * The files are made by make_bitmaps.py. */
#ifndef PF_RES_BITMAPS_H
#define PF_RES_BITMAPS_H

#define PF_BITMAP_LIST(X) \
  X(2501, "bitmaps/header.bmp", 49, 49) \
  X(2502, "bitmaps/written.bmp", 15, 15) \
  X(2503, "bitmaps/blank.bmp", 15, 15)

#endif
