# Writes the manual page of a program from its own --help and --version with help2man,
# compressed as Debian keeps manual pages. Run as
#   cmake -DPROGRAM=exe -DHELP2MAN=help2man -DDESCRIPTION=text -DSECTIONS=name.h2m
#         -DOUTPUT=name.1.gz -P ZuforaManPage.cmake
# When the general help lists commands ("Commands:" followed by indented names), each
# command's own help ("PROGRAM COMMAND --help") becomes a section COMMANDS of the page.
# SECTIONS is a help2man include file with the sections that --help does not give
# (the window, files, exit status, see also); they follow COMMANDS.
# The page is UTF-8 (the help texts quote German captions) and says so in its first
# line, where man-db looks for a page's encoding.
cmake_minimum_required(VERSION 3.25)

foreach(variable PROGRAM HELP2MAN DESCRIPTION SECTIONS OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "ZuforaManPage.cmake needs -D${variable}=...")
  endif()
endforeach()

# A window program answers --help without a display.
set(ENV{QT_QPA_PLATFORM} offscreen)

execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

# The command names: indented words right after "Commands:", up to the next blank line.
set(commands)
string(REPLACE "\n" ";" help_lines "${help}")
set(in_commands FALSE)
foreach(line IN LISTS help_lines)
  if(line STREQUAL "Commands:")
    set(in_commands TRUE)
  elseif(in_commands AND line STREQUAL "")
    set(in_commands FALSE)
  elseif(in_commands AND line MATCHES "^  ([a-z][a-z0-9-]*)")
    list(APPEND commands "${CMAKE_MATCH_1}")
  endif()
endforeach()

get_filename_component(page "${OUTPUT}" NAME_WLE)  # name.1
get_filename_component(folder "${OUTPUT}" DIRECTORY)
set(include_file "${folder}/${page}.include")
set(include_text "")
if(commands)
  string(APPEND include_text "[COMMANDS]\n")
  foreach(command IN LISTS commands)
    execute_process(COMMAND "${PROGRAM}" ${command} --help
                    OUTPUT_VARIABLE command_help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${command} --help failed: ${status}")
    endif()
    # roff: a backslash is written \e; a line must not start with a control character.
    string(REPLACE "\\" "\\e" command_help "${command_help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" command_help "${command_help}")
    string(APPEND include_text ".SS ${command}\n.nf\n${command_help}.fi\n")
  endforeach()
endif()
# help2man refuses an empty include file: a program without commands gets none.
set(include_options)
if(include_text)
  file(WRITE "${include_file}" "${include_text}")
  list(APPEND include_options "--include=${include_file}")
endif()
list(APPEND include_options "--include=${SECTIONS}")

# Without --locale help2man writes in the C locale, which turns every non-ASCII
# character into "?".
execute_process(
  COMMAND "${HELP2MAN}" --no-info --section=1 --locale=C.UTF-8 "--name=${DESCRIPTION}"
          ${include_options} "--output=${folder}/${page}" "${PROGRAM}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${PROGRAM}: ${status}")
endif()
file(READ "${folder}/${page}" roff)
file(WRITE "${folder}/${page}" ".\\\" -*- coding: UTF-8 -*-\n${roff}")
execute_process(COMMAND gzip -9nf "${folder}/${page}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${page}: ${status}")
endif()
