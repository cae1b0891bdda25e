# What every Windows binary of PathForge carries beside its code: a version
# resource made from the one template res/version.rc.in, and for a program
# its icon and application manifest (res/program.rc).
#
#   pathforge_windows_resources(host PROGRAM DESCRIPTION "PathForge test host")
#
# The description says what the file is; the build adds the architecture.
# The file type (program or library), the original file name and the
# internal name come from the target.
function(pathforge_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 _res "PROGRAM" "DESCRIPTION" "")
  get_target_property(_type ${target} TYPE)
  set(PF_FILE_TYPE VFT_DLL)
  if(_type STREQUAL "EXECUTABLE")
    set(PF_FILE_TYPE VFT_APP)
  endif()
  math(EXPR _bits "${CMAKE_SIZEOF_VOID_P} * 8")
  set(PF_ARCH_NAME "${_bits}-bit")
  set(PF_FILE_DESCRIPTION "${_res_DESCRIPTION}")
  set(PF_FILE_NAME "$<TARGET_FILE_NAME:${target}>")
  set(PF_INTERNAL_NAME "$<TARGET_FILE_BASE_NAME:${target}>")
  set(_rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/res/version.rc.in ${_rc}.in @ONLY)
  file(GENERATE OUTPUT ${_rc} INPUT ${_rc}.in)
  target_sources(${target} PRIVATE ${_rc})
  if(_res_PROGRAM)
    set(_program ${PROJECT_SOURCE_DIR}/res/program.rc)
    target_sources(${target} PRIVATE ${_program})
    set_source_files_properties(${_program} PROPERTIES OBJECT_DEPENDS
                                "${PROJECT_SOURCE_DIR}/res/pathforge.ico;${PROJECT_SOURCE_DIR}/res/program.manifest")
    target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${PROJECT_SOURCE_DIR}/res>)
  endif()
endfunction()
