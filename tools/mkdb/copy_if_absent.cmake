# cmake -DSRC=<file> -DDST=<file> -P copy_if_absent.cmake
# Copies SRC to DST only when DST does not exist yet. DST is a saved career, so an existing file is
# left exactly as it is, whatever its age or content.
if(NOT DEFINED SRC OR NOT DEFINED DST)
  message(FATAL_ERROR "copy_if_absent.cmake needs -DSRC=... and -DDST=...")
endif()
if(EXISTS "${DST}")
  return()
endif()
if(NOT EXISTS "${SRC}")
  message(FATAL_ERROR "copy_if_absent.cmake: ${SRC} does not exist")
endif()
get_filename_component(dst_dir "${DST}" DIRECTORY)
file(MAKE_DIRECTORY "${dst_dir}")
# Copy under a temporary name first so the game never finds a half-copied file, and never replace a
# file that appeared in the meantime.
file(COPY_FILE "${SRC}" "${DST}.part")
# (NO_REPLACE may hard-link rather than move, so the temporary name is removed in every case.)
file(RENAME "${DST}.part" "${DST}" NO_REPLACE RESULT renamed)
file(REMOVE "${DST}.part")
