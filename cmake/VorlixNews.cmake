# SPDX-License-Identifier: GPL-3.0-or-later
# vorlix_news_releases(NEWS RELEASES_VAR NEWEST_VAR): reads the news file
# NEWS (NEWS.md) and sets RELEASES_VAR to the AppStream <release> elements
# of every version it names, newest first, and NEWEST_VAR to the newest
# version. A version starts at a "## VERSION (YYYY-MM-DD)" heading; each
# "- " line starts a list item, indented lines go on with it, and a line
# "  - LANG: TEXT" under it gives the item in language LANG (a name as in
# translations/vorlix_LANG.ts), whole on that one line, as some scripts
# have no spaces to break at.
#
# The text is walked line by line with string(FIND), never as a CMake list,
# so that a ";" or "[" in the news stays as written.
function(vorlix_news_releases news releases_var newest_var)
  file(READ ${news} text)
  set(releases "")
  set(newest "")
  set(item "")
  set(translations "")
  set(in_release FALSE)
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    if(end EQUAL -1)
      set(line "${text}")
      set(text "")
    else()
      string(SUBSTRING "${text}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${text}" ${end} -1 text)
    endif()

    if(NOT item STREQUAL "")
      if(line MATCHES "^  - ([a-z][a-z][a-z]?(_[A-Z][A-Z])?): (.+)$")
        set(text_in_language "${CMAKE_MATCH_3}")
        _vorlix_news_escape(text_in_language)
        string(APPEND translations
          "          <li xml:lang=\"${CMAKE_MATCH_1}\">${text_in_language}</li>\n")
        continue()
      elseif(line MATCHES "^  +([^ ].*)$")
        if(NOT translations STREQUAL "")
          message(FATAL_ERROR "${news}: an item goes on after its translations, or a "
                              "translation over two lines: \"${line}\"")
        endif()
        string(APPEND item " ${CMAKE_MATCH_1}")
        continue()
      endif()
    endif()
    _vorlix_news_end_item()
    if(line MATCHES "^## ([0-9][0-9.]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
      _vorlix_news_end_release()
      if(newest STREQUAL "")
        set(newest "${CMAKE_MATCH_1}")
      endif()
      string(APPEND releases
        "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\">\n"
        "      <description>\n"
        "        <ul>\n")
      set(in_release TRUE)
    elseif(line MATCHES "^## ")
      message(FATAL_ERROR "${news}: a version's heading is \"## VERSION (YYYY-MM-DD)\", not \"${line}\"")
    elseif(line MATCHES "^- (.*)$" AND in_release)
      set(item "${CMAKE_MATCH_1}")
    endif()
  endwhile()
  _vorlix_news_end_item()
  _vorlix_news_end_release()
  if(newest STREQUAL "")
    message(FATAL_ERROR "${news} names no version")
  endif()
  set(${releases_var} "${releases}" PARENT_SCOPE)
  set(${newest_var} "${newest}" PARENT_SCOPE)
endfunction()

# The helpers share the caller's variables: they are macros.
macro(_vorlix_news_escape var)
  string(REPLACE "&" "&amp;" ${var} "${${var}}")
  string(REPLACE "<" "&lt;" ${var} "${${var}}")
  string(REPLACE ">" "&gt;" ${var} "${${var}}")
endmacro()

macro(_vorlix_news_end_item)
  if(NOT item STREQUAL "")
    _vorlix_news_escape(item)
    string(APPEND releases "          <li>${item}</li>\n${translations}")
    set(item "")
    set(translations "")
  endif()
endmacro()

macro(_vorlix_news_end_release)
  if(in_release)
    string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
    set(in_release FALSE)
  endif()
endmacro()
