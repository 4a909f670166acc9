# gauge_module_windows(NAME)
#
# The Windows half of add_gauge_module: turns the library target NAME into a
# gauge module DLL as the simulator loads it.
#
# - Resources: a resource script generated from the same manifest and version
#   file as the native module's embedded resources (gauge_module_bitmaps,
#   gauge_module_version): every bitmap of the module as a BITMAP resource
#   with its numeric id, and the version block, all in U.S. English (0x0409).
# - Exports: a module-definition file that exports `ImportTable` and
#   `Linkage` as data, by name, and nothing else.
# - Entry point: the library's own DllMain, which only reports success. No C
#   runtime start-up runs before it or around it: a module is static,
#   constant-initialised data plus small functions, so there is nothing to
#   construct and nothing to tear down. (A global that needed a constructor
#   would stay unconstructed here; the records are constinit for that
#   reason, and the conformance cases run through these DLLs would show it.)
# - Runtime: linked statically, so the module imports only system DLLs.
# - Reproducible: no time stamp in the PE header.

# One string of the resource script: quotes doubled, as the resource compiler
# reads them.
function(gauge_rc_string OUT TEXT)
  string(REPLACE "\"" "\"\"" escaped "${TEXT}")
  set(${OUT} "\"${escaped}\"" PARENT_SCOPE)
endfunction()

function(gauge_module_windows NAME)
  gauge_module_bitmaps(${NAME} ids files)
  gauge_module_version(${NAME} keys values)

  # Fixed numbers of the version block ("1,0,0,0") and its strings, in the
  # order of the version file.
  set(fixed_file_version "")
  set(fixed_product_version "")
  set(string_values "")
  foreach(key value IN ZIP_LISTS keys values)
    if(key STREQUAL "FILEVERSION")
      set(fixed_file_version "${value}")
    elseif(key STREQUAL "PRODUCTVERSION")
      set(fixed_product_version "${value}")
    else()
      gauge_rc_string(quoted "${value}")
      string(APPEND string_values "      VALUE \"${key}\", ${quoted}\n")
    endif()
  endforeach()
  if(fixed_file_version STREQUAL "" OR fixed_product_version STREQUAL "")
    message(FATAL_ERROR "resources/${NAME}.version lacks FILEVERSION or PRODUCTVERSION")
  endif()

  set(bitmap_lines "")
  foreach(id file IN ZIP_LISTS ids files)
    gauge_rc_string(quoted "${file}")
    string(APPEND bitmap_lines "${id} BITMAP ${quoted}\n")
  endforeach()

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.rc)
  file(WRITE ${rc}.tmp
"/* Generated from resources/bitmaps.csv and resources/${NAME}.version. */
#include <winresrc.h>
#pragma code_page(65001)

LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US

${bitmap_lines}
VS_VERSION_INFO VERSIONINFO
FILEVERSION ${fixed_file_version}
PRODUCTVERSION ${fixed_product_version}
FILEFLAGSMASK VS_FFI_FILEFLAGSMASK
FILEFLAGS 0
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_DLL
FILESUBTYPE VFT2_UNKNOWN
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040904b0\"
    BEGIN
${string_values}    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x409, 1200
  END
END
")
  file(COPY_FILE ${rc}.tmp ${rc} ONLY_IF_DIFFERENT)
  # The resource compiler pulls these in; CMake cannot see them without being
  # told, and a changed bitmap must rebuild the module.
  set(version_file ${GAUGE_RESOURCES_DIR}/${NAME}.version)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${files};${version_file}")

  set(def ${CMAKE_CURRENT_BINARY_DIR}/${NAME}.def)
  file(WRITE ${def}.tmp
"; Generated: a gauge module exports its two data records and nothing else.
LIBRARY \"${NAME}.gau\"
EXPORTS
  ImportTable DATA
  Linkage DATA
")
  file(COPY_FILE ${def}.tmp ${def} ONLY_IF_DIFFERENT)

  target_sources(${NAME} PRIVATE ${rc} ${def})

  # DllMain is stdcall on 32-bit Windows, so its symbol there is decorated.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _DllMain@12)
  else()
    set(entry DllMain)
  endif()
  target_link_options(${NAME} PRIVATE
    -static -nostartfiles -Wl,--entry,${entry}
    -Wl,--no-insert-timestamp
    $<$<NOT:$<CONFIG:Debug>>:-s>)
  set_property(TARGET ${NAME} APPEND PROPERTY LINK_DEPENDS ${def})
endfunction()
