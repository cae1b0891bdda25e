// The sixteen functions the host calls, with plain C names. The Windows
// module lists them in this order in its export table.
#pragma once

#include <cstdint>

#include "graph/DrawGraph.h"

#ifdef _WIN32
#define PF_EXPORT extern "C" __declspec(dllexport)
#else
#define PF_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// 1. Copies the plug-in's name (string 14001) with its terminator into the
// buffer, which must hold it; returns its length in characters.
PF_EXPORT int32_t GetPluginNameIF(wchar_t* buffer, int32_t unused);
// 2. Opens the NC interface, runs the wizard modally, closes the interface.
PF_EXPORT void StartIF();
// 3..14. Forwarded to the graph object of the plug-in frame.
PF_EXPORT void GetGlobalInfoIF(pf::CGlobalInfo* info);
PF_EXPORT void SetGlobalInfoIF(pf::CGlobalInfo& info);
PF_EXPORT void GetGraphInfoIF(pf::CGraphInfo* info, int32_t pos);
PF_EXPORT void SetGraphInfoIF(pf::CGraphInfo& info, int32_t pos);
PF_EXPORT void GetTextInfoIF(pf::CTextInfo* info);
PF_EXPORT void SetTextInfoIF(pf::CTextInfo& info);
PF_EXPORT void RedrawGraphIF();
PF_EXPORT void RedrawTextIF();
PF_EXPORT void ClearGraphIF(int32_t pos);
PF_EXPORT int32_t ClearTextDataIF();
PF_EXPORT void SwapGraphDataIF(int32_t a, int32_t b);
PF_EXPORT int32_t GetGraphInfoSizeIF();
// 15. Always 1.
PF_EXPORT int32_t GetUserLevelIF();
// 16. The address of the plug-in frame's graph object.
PF_EXPORT pf::CDrawGraph* GetDrawGraphPtrIF();
