# SPDX-License-Identifier: GPL-3.0-or-later
# The settings file on POSIX calls, locked with QLockFile as QSettings does.
add_library(vorlix_settings_file STATIC
  ${CMAKE_CURRENT_LIST_DIR}/atomic_replace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_descriptor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kept_aside.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_failure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_location.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_lock.cpp)
target_link_libraries(vorlix_settings_file PUBLIC vorlix_settings_text Qt6::Core)
vorlix_warnings(vorlix_settings_file)
