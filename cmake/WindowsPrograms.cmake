# What every Windows program of the project is built with, and the resources they share.
if(NOT WIN32)
  return()
endif()

# Hardening pinned rather than left to the linker's defaults: relocatable at a random high
# address, data never executable, aware of terminal servers (otherwise a program on a Remote
# Desktop host sees a private per-user copy of the Windows folder, where no script lies), and a
# stack guard in every function with a buffer.
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong
  LINKER:--dynamicbase LINKER:--nxcompat LINKER:--high-entropy-va LINKER:--tsaware)
# A release carries no symbols: they are most of an unstripped program's size.
add_link_options($<$<CONFIG:Release,MinSizeRel>:-s>)

add_subdirectory(${PROJECT_SOURCE_DIR}/resources ${PROJECT_BINARY_DIR}/resources)
