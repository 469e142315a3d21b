# cmake -DQUELLE=<data> -DZIEL=<program folder> -DSTAND=<record file> -P DatenKopieren.cmake
#
# Copies the data tree into the program folder. The program folder is also
# where a user may save the example projects (Veltrano writes beside
# itself), so a file below Projects/ is replaced only while it still holds
# what an earlier copy put there: the record file keeps the MD5 of every
# file this script wrote. Every other file follows the data tree.
cmake_minimum_required(VERSION 3.25)
foreach(_v QUELLE ZIEL STAND)
  if(NOT DEFINED ${_v})
    message(FATAL_ERROR "DatenKopieren: ${_v} missing")
  endif()
endforeach()

set(_stand "")
if(EXISTS "${STAND}")
  file(STRINGS "${STAND}" _stand)
endif()
# "<md5> <relative path>" per line.
set(_alt_pfade "")
set(_alt_md5 "")
foreach(_z IN LISTS _stand)
  string(SUBSTRING "${_z}" 0 32 _md5)
  string(SUBSTRING "${_z}" 33 -1 _rel)
  list(APPEND _alt_pfade "${_rel}")
  list(APPEND _alt_md5 "${_md5}")
endforeach()

file(GLOB_RECURSE _dateien LIST_DIRECTORIES false RELATIVE "${QUELLE}" "${QUELLE}/*")
set(_neu "")
foreach(_rel IN LISTS _dateien)
  set(_q "${QUELLE}/${_rel}")
  set(_z "${ZIEL}/${_rel}")
  file(MD5 "${_q}" _mdq)
  string(REGEX MATCH "^Projects/" _projekt "${_rel}")
  if(_projekt AND EXISTS "${_z}")
    file(MD5 "${_z}" _mdz)
    set(_mda "")
    list(FIND _alt_pfade "${_rel}" _i)
    if(_i GREATER_EQUAL 0)
      list(GET _alt_md5 ${_i} _mda)
    endif()
    if(NOT _mdz STREQUAL _mdq AND NOT _mdz STREQUAL _mda)
      # Changed by the user (or put there by hand): left as it is, and no
      # longer counted as ours.
      continue()
    endif()
  endif()
  get_filename_component(_ordner "${_z}" DIRECTORY)
  file(MAKE_DIRECTORY "${_ordner}")
  file(COPY_FILE "${_q}" "${_z}" ONLY_IF_DIFFERENT)
  string(APPEND _neu "${_mdq} ${_rel}\n")
endforeach()
file(WRITE "${STAND}.neu" "${_neu}")
file(RENAME "${STAND}.neu" "${STAND}")
