// The checked entry points that the module never calls: each one exists,
// answers 0 and is journaled. Their real parameters do not matter here; they
// take none, which is safe on the x86-64 calling conventions we build for
// (the caller owns the arguments it passes).
//
// They are generated from the contract's list, skipping the ones that
// EntryPoints.cpp serves. OVXSIM_SERVED_<name> marks those: it expands to a
// leading extra argument, which moves OVXSIM_THIRD's pick from
// OVXSIM_DEFINE_STUB to OVXSIM_SKIP.
#include "SimState.h"
#include "nclink/OvxContract.h"

#define OVXSIM_SERVED_OvxNcIfInit ~,
#define OVXSIM_SERVED_OvxIfFreeData ~,
#define OVXSIM_SERVED_OvxNcIfQuit ~,
#define OVXSIM_SERVED_ConvertSerialAxisToSystemAxis ~,
#define OVXSIM_SERVED_ConvertSystemAxisToSerialAxis ~,
#define OVXSIM_SERVED_GetInformation ~,
#define OVXSIM_SERVED_NcGetParameter ~,
#define OVXSIM_SERVED_NcGetInformation ~,
#define OVXSIM_SERVED_CommGetParameter ~,
#define OVXSIM_SERVED_NcGetAccelerationParameter ~,
#define OVXSIM_SERVED_CheckTuningExecReady ~,
#define OVXSIM_SERVED_NonSamplingSetTarget ~,
#define OVXSIM_SERVED_NcLoadProgram ~,
#define OVXSIM_SERVED_CheckNcStatusForOVXFunction ~,
#define OVXSIM_SERVED_IsTwoPortSetting ~,
#define OVXSIM_SERVED_CheckSPAX ~,
#define OVXSIM_SERVED_GetBasicParaExt ~,

#define OVXSIM_THIRD_(a, b, c, ...) c
#define OVXSIM_THIRD(...) OVXSIM_THIRD_(__VA_ARGS__)

#define OVXSIM_SKIP(name)
#define OVXSIM_DEFINE_STUB(name)                                                      \
  extern "C" int32_t OVX_CALL name() {                                                \
    return pf::sim::Serve(#name, {}, [](pf::sim::State&, const pf::sim::Outputs&) { return int32_t{0}; }); \
  }
#define OVXSIM_STUB_UNLESS_SERVED(name) \
  OVXSIM_THIRD(OVXSIM_SERVED_##name, OVXSIM_SKIP, OVXSIM_DEFINE_STUB, ~)(name)

OVX_CHECKED_ENTRY_POINTS(OVXSIM_STUB_UNLESS_SERVED)
