# Fails unless each of PROGRAMS (a list of .exe paths) has the hardening flags set in its PE
# header, and, when STRIPPED is 1, no symbol table. Run with cmake -P; OBJDUMP names objdump.
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${OBJDUMP} -p ${program}
    OUTPUT_VARIABLE header RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${program} failed: ${error}")
  endif()
  foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
    if(NOT header MATCHES "\n[\t ]+${flag}\n")
      message(SEND_ERROR "${program}: ${flag} is not set")
    endif()
  endforeach()
  if(STRIPPED AND NOT header MATCHES "\n[\t ]+symbols stripped\n")
    message(SEND_ERROR "${program}: carries symbols")
  endif()
  message(STATUS "${program}: hardened")
endforeach()
