# add_gauge_module(NAME SOURCES ... LINK ...)
#
# Builds a gauge module: a shared library named NAME.gau that exports exactly
# the data records `ImportTable` and `Linkage`, and carries its bitmaps and
# version block inside the file. The bitmaps come from resources/bitmaps.csv
# (rows of this module), the version block from resources/NAME.version.
#
# Native (ELF) modules carry them in the non-allocated section
# ".gauge_resources": a header, an index of (type, id, language, offset,
# size) rows, then the data, each bitmap without its 14-byte file header as a
# Windows bitmap resource holds it.

set(GAUGE_RESOURCES_DIR ${CMAKE_SOURCE_DIR}/resources)
set(GAUGE_MANIFEST ${GAUGE_RESOURCES_DIR}/bitmaps.csv)

# Reads the manifest rows of MODULE into OUT_IDS / OUT_FILES (absolute paths).
# A module may name its own manifest (test fixtures do) in the variable
# GAUGE_MODULE_MANIFEST_<MODULE>; its files and its <MODULE>.version then sit
# beside that manifest.
function(gauge_module_bitmaps MODULE OUT_IDS OUT_FILES)
  set(ids)
  set(files)
  set(manifest ${GAUGE_MANIFEST})
  set(resources_dir ${GAUGE_RESOURCES_DIR})
  if(DEFINED GAUGE_MODULE_MANIFEST_${MODULE})
    set(manifest ${GAUGE_MODULE_MANIFEST_${MODULE}})
    get_filename_component(resources_dir ${manifest} DIRECTORY)
  endif()
  if(EXISTS ${manifest})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manifest})
    file(STRINGS ${manifest} rows)
    foreach(row IN LISTS rows)
      if(row MATCHES "^module,")
        continue()
      endif()
      string(REPLACE "," ";" fields "${row}")
      list(GET fields 0 row_module)
      if(NOT row_module STREQUAL MODULE)
        continue()
      endif()
      list(GET fields 1 row_id)
      list(GET fields 2 row_file)
      list(APPEND ids ${row_id})
      list(APPEND files ${resources_dir}/${row_file})
    endforeach()
  else()
    message(WARNING "No bitmap manifest at ${manifest}: ${MODULE} carries no bitmaps")
  endif()
  set(${OUT_IDS} ${ids} PARENT_SCOPE)
  set(${OUT_FILES} ${files} PARENT_SCOPE)
endfunction()

# Reads resources/MODULE.version into OUT_KEYS / OUT_VALUES.
function(gauge_module_version MODULE OUT_KEYS OUT_VALUES)
  set(version_file ${GAUGE_RESOURCES_DIR}/${MODULE}.version)
  if(DEFINED GAUGE_MODULE_MANIFEST_${MODULE})
    get_filename_component(fixture_dir ${GAUGE_MODULE_MANIFEST_${MODULE}} DIRECTORY)
    set(version_file ${fixture_dir}/${MODULE}.version)
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_file})
  file(STRINGS ${version_file} rows REGEX "^[A-Za-z]+=")
  set(keys)
  set(values)
  foreach(row IN LISTS rows)
    string(FIND "${row}" "=" at)
    string(SUBSTRING "${row}" 0 ${at} key)
    math(EXPR after "${at} + 1")
    string(SUBSTRING "${row}" ${after} -1 value)
    list(APPEND keys "${key}")
    list(APPEND values "${value}")
  endforeach()
  set(${OUT_KEYS} "${keys}" PARENT_SCOPE)
  set(${OUT_VALUES} "${values}" PARENT_SCOPE)
endfunction()

function(gauge_module_elf_resources NAME OUT_SOURCE)
  gauge_module_bitmaps(${NAME} ids files)
  gauge_module_version(${NAME} keys values)

  # The version block as text lines "key=value", the fixed numbers first.
  set(version_text "")
  foreach(key value IN ZIP_LISTS keys values)
    string(APPEND version_text "${key}=${value}\n")
  endforeach()
  set(version_blob ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.version.txt)
  file(WRITE ${version_blob}.tmp "${version_text}")
  file(COPY_FILE ${version_blob}.tmp ${version_blob} ONLY_IF_DIFFERENT)

  list(LENGTH ids bitmap_count)
  math(EXPR count "${bitmap_count} + 1")
  set(index "")
  set(data "")
  set(n 0)
  foreach(id file IN ZIP_LISTS ids files)
    string(APPEND index "  .long 2, ${id}, 0x409, .Lres${n} - .Lbase, .Lres${n}_end - .Lres${n}\n")
    string(APPEND data ".Lres${n}:\n  .incbin \"${file}\", 14\n.Lres${n}_end:\n  .balign 4\n")
    math(EXPR n "${n} + 1")
  endforeach()
  string(APPEND index "  .long 16, 1, 0x409, .Lres${n} - .Lbase, .Lres${n}_end - .Lres${n}\n")
  string(APPEND data ".Lres${n}:\n  .incbin \"${version_blob}\"\n.Lres${n}_end:\n  .balign 4\n")

  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_resources.S)
  file(WRITE ${asm}.tmp
"/* Generated from resources/bitmaps.csv and resources/${NAME}.version. */
  .section .gauge_resources,\"\",@progbits
  .balign 4
.Lbase:
  .ascii \"GAUGERES\"
  .long 1, ${count}
${index}${data}
  .section .note.GNU-stack,\"\",@progbits
")
  file(COPY_FILE ${asm}.tmp ${asm} ONLY_IF_DIFFERENT)
  # The assembler pulls these in; CMake cannot see them without being told.
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS "${files};${version_blob}")
  set(${OUT_SOURCE} ${asm} PARENT_SCOPE)
endfunction()

function(add_gauge_module NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_library(${NAME} SHARED ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE ${ARG_LINK} project_warnings project_sanitizers)
  set_target_properties(${NAME} PROPERTIES PREFIX "" OUTPUT_NAME ${NAME} SUFFIX ".gau")
  if(WIN32)
    include(GaugeModuleWindows OPTIONAL RESULT_VARIABLE windows_support)
    if(windows_support)
      gauge_module_windows(${NAME})
    endif()
  else()
    gauge_module_elf_resources(${NAME} resource_source)
    target_sources(${NAME} PRIVATE ${resource_source})
    set(exports ${CMAKE_SOURCE_DIR}/cmake/gauge_exports.map)
    target_link_options(${NAME} PRIVATE -Wl,--version-script=${exports} -Wl,--no-undefined-version)
    set_property(TARGET ${NAME} APPEND PROPERTY LINK_DEPENDS ${exports})
  endif()
endfunction()
