# A layer is one source folder built as its own library. It links the layers it uses,
# and a check that runs before it compiles refuses any include of a folder it may not
# use, so the order of the folders cannot run back up unnoticed.
#
#   lovaris_layer(TARGET name DIR folder ROOT root GUARDED prefixes...
#                 [USES layers...] [ALSO_ALLOWED prefixes...] [NO_QT] [EXCLUDE files...])
#
# DIR and the prefixes are relative to ROOT, the folder includes are written from.
# A layer may include its own folder, the folders of the layers it uses (and of theirs),
# and ALSO_ALLOWED; anything else under GUARDED is refused.
set(LOVARIS_LAYER_CHECK ${CMAKE_CURRENT_LIST_DIR}/CheckLayerIncludes.cmake)

function(lovaris_layer)
  cmake_parse_arguments(L "NO_QT" "TARGET;DIR;ROOT" "GUARDED;USES;ALSO_ALLOWED;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${L_ROOT}/${L_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${L_ROOT}/${L_DIR}/*.h)
  foreach(excluded IN LISTS L_EXCLUDE)
    list(REMOVE_ITEM sources ${L_ROOT}/${L_DIR}/${excluded})
  endforeach()
  add_library(${L_TARGET} STATIC ${sources} ${headers})
  target_include_directories(${L_TARGET} PUBLIC ${L_ROOT})
  target_link_libraries(${L_TARGET} PUBLIC ${L_USES})

  set(allowed ${L_DIR} ${L_ALSO_ALLOWED})
  foreach(used IN LISTS L_USES)
    get_target_property(used_allowed ${used} LOVARIS_LAYER_ALLOWED)
    list(APPEND allowed ${used_allowed})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_target_properties(${L_TARGET} PROPERTIES LOVARIS_LAYER_ALLOWED "${allowed}")

  set(config ${CMAKE_CURRENT_BINARY_DIR}/${L_TARGET}-layer.cmake)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${L_TARGET}-layer.stamp)
  file(CONFIGURE OUTPUT ${config} CONTENT
"set(LAYER_NAME \"${L_DIR}\")
set(LAYER_ROOT \"${L_ROOT}\")
set(LAYER_FILES \"${sources};${headers}\")
set(LAYER_ALLOWED \"${allowed}\")
set(LAYER_GUARDED \"${L_GUARDED}\")
set(LAYER_NO_QT ${L_NO_QT})
")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DCONFIG=${config} -DSTAMP=${stamp} -P ${LOVARIS_LAYER_CHECK}
    DEPENDS ${sources} ${headers} ${config} ${LOVARIS_LAYER_CHECK}
    COMMENT "Checking the includes of ${L_DIR}"
    VERBATIM)
  add_custom_target(${L_TARGET}_layer_check DEPENDS ${stamp})
  add_dependencies(${L_TARGET} ${L_TARGET}_layer_check)
  set_property(GLOBAL APPEND PROPERTY LOVARIS_LAYERS ${L_TARGET})
endfunction()
