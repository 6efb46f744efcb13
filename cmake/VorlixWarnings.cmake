# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings are set per target so that third-party headers are not affected.
function(vorlix_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual)
  if(VORLIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
