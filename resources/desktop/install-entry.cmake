# Run while installing: installs the desktop entry with the program's full
# installed path, so the menu finds and starts it whether or not the
# install's bin folder is on PATH (a prefix in the home folder, /opt/...).
# The prefix is only known now: cmake --install --prefix may change it.
#   In: ENTRY_TEMPLATE, WORK_DIR (a folder for the written entry),
#       COURTLOG_SHORT_TITLE (the entry's name),
#       BINDIR and DATADIR (relative to the prefix, or absolute)
foreach(dir BINDIR DATADIR)
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(program "${BINDIR}/courtlog")

# A value of a desktop entry escapes its backslashes.
string(REPLACE "\\" "\\\\" COURTLOG_TRY_EXEC "${program}")
# Exec is a command line: a path with a blank or a character the shell
# reads is quoted (escaping the four that stay special inside the quotes),
# and a '%' is doubled, as field codes start with one.
set(command "${program}")
string(REPLACE "%" "%%" command "${command}")
if(command MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  foreach(special "\\" "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" command "${command}")
  endforeach()
  set(command "\"${command}\"")
endif()
string(REPLACE "\\" "\\\\" COURTLOG_EXEC "${command}")

# Written under a name of its own, as installs to two prefixes may run at once.
string(RANDOM LENGTH 12 tag)
set(entry "${WORK_DIR}/courtlog-${tag}.desktop")
configure_file("${ENTRY_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${DATADIR}/applications" TYPE FILE FILES "${entry}" RENAME courtlog.desktop)
file(REMOVE "${entry}")
