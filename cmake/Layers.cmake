# The libraries are layers, lowest first: each may link only the ones before
# it, so that the rules never depend on the windows and no window reaches
# into the table. Configuring stops at an arrow that points up.
set(VELMORA_LAYERS cards money stats hand advice resources media dialogs statswindow table app)

function(velmora_check_layers)
  list(LENGTH VELMORA_LAYERS count)
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    list(GET VELMORA_LAYERS ${index} layer)
    get_target_property(links velmora_${layer} LINK_LIBRARIES)
    foreach(link IN LISTS links)
      if(link MATCHES "^velmora_(.+)$")
        list(FIND VELMORA_LAYERS ${CMAKE_MATCH_1} linked)
        if(linked GREATER_EQUAL index)
          message(FATAL_ERROR "velmora_${layer} links ${link}, which is not a layer below it")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
