# Fails when a file includes a header of a layer above its own, or of another screen folder.
# Layers from the bottom: data, rules, printing, framework, the screen folders (side by side), shell.
# Run: cmake -DROOT=<source dir> -P cmake/check_layers.cmake
set(rank_data 0)
set(rank_rules 1)
set(rank_printing 2)
set(rank_framework 3)
foreach(screens reference patients billing reports maintenance)
  set(rank_${screens} 4)
endforeach()
set(rank_shell 5)
set(rank_cups 5) # tests/cups: the printer path through the bill screens, above them as the shell is
set(rank_support 4) # the tests' shared fixture sits with the screen folders

set(faults "")
file(GLOB_RECURSE files "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
foreach(file ${files})
  file(RELATIVE_PATH rel "${ROOT}" "${file}")
  if(NOT rel MATCHES "^(src|tests)/([a-z]+)/")
    continue() # src/main.cpp and the tests' CMake files sit above every layer
  endif()
  set(layer ${CMAKE_MATCH_2})
  if(NOT DEFINED rank_${layer})
    string(APPEND faults "\n  ${rel}: folder ${layer} is no layer")
    continue()
  endif()
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line ${includes})
    string(REGEX MATCH "\"([a-z]+)/" _ "${line}")
    set(target ${CMAKE_MATCH_1})
    if(target STREQUAL layer)
      continue()
    endif()
    if(NOT DEFINED rank_${target})
      string(APPEND faults "\n  ${rel}: ${line} (no such layer)")
    elseif(target STREQUAL "support" AND rel MATCHES "^tests/")
      # every test may use the shared fixture
    elseif(rank_${target} GREATER_EQUAL rank_${layer})
      string(APPEND faults "\n  ${rel}: ${line} (${target} is not below ${layer})")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that point up or sideways:${faults}")
endif()
message(STATUS "Every include points down.")
