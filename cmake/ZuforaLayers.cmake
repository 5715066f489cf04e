# The layers under src/, each a library of its own, so that the build itself refuses an
# include of a layer that a layer may not use.
#
# Sources include headers as "layer/Header.h". A layer's include root in the build
# folder (build/.../layers/NAME) holds one entry, NAME, a link to src/NAME: a layer sees
# its own headers and, through the layers it links, theirs, and nothing else. Every
# header is also compiled on its own with exactly what its layer sees (CMake's header
# set verification), so a wrong include fails the build even in a header that no file
# of its own layer includes. Relative includes ("../pages/X.h") are left to
# scripts/include-graph.

set(ZUFORA_LAYER_ROOTS "${PROJECT_BINARY_DIR}/layers")

# Built with everything: each layer's headers, compiled one by one.
add_custom_target(zufora_layer_headers ALL)

# zufora_add_layer(NAME [USES LAYER...] [LIBRARIES LIBRARY...])
#
# The static library zufora_NAME over the folder NAME beside the calling CMakeLists.txt,
# whose own CMakeLists.txt adds the sources (target_sources(zufora_NAME PRIVATE ...)).
# USES names the layers right below it; the ones below those come with them. LIBRARIES
# are other libraries that the layer links privately (a Debian library found with
# find_package): its sources may use them, its headers may not, so the layers above
# never depend on them.
function(zufora_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES;LIBRARIES")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zufora_add_layer(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  set(root "${ZUFORA_LAYER_ROOTS}/${name}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}/${name}" "${root}/${name}" SYMBOLIC)

  add_library(zufora_${name} STATIC)
  file(GLOB headers CONFIGURE_DEPENDS "${root}/${name}/*.h")
  target_sources(zufora_${name} PUBLIC FILE_SET HEADERS BASE_DIRS "${root}" FILES ${headers})
  set_target_properties(zufora_${name} PROPERTIES VERIFY_INTERFACE_HEADER_SETS ON)
  add_dependencies(zufora_layer_headers zufora_${name}_verify_interface_header_sets)

  list(TRANSFORM arg_USES PREPEND zufora_)
  target_link_libraries(zufora_${name} PUBLIC ${arg_USES} zufora_options
    PRIVATE ${arg_LIBRARIES})
  add_subdirectory(${name})
endfunction()

# Stops the configuration when a Qt library is linked anywhere below `target`: the core
# uses no Qt. Runs once every folder is read, so that links added later count as well.
function(zufora_check_no_qt target)
  set(seen "")
  set(pending "${target}")
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${current}")
    set(links "")
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(values ${current} ${property})
      if(values)
        list(APPEND links ${values})
      endif()
    endforeach()
    foreach(link IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link MATCHES "Qt[0-9]*::|Qt[0-9]+[A-Z]")
        message(FATAL_ERROR "${current} links ${link}, but ${target} (all of src/ but "
          "qtprint/ and app/) uses no Qt")
      endif()
      if(TARGET "${link}")
        list(APPEND pending "${link}")
      endif()
    endforeach()
  endwhile()
endfunction()
