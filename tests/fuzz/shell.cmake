# The shell's readers of outside input: DDE executes from other programs and the help file.
quenlow_fuzz_target(fuzz_dde_command FuzzDdeCommand.cpp)
target_link_libraries(fuzz_dde_command PRIVATE quenlow_shell_core)
quenlow_fuzz_target(fuzz_help_file FuzzHelpFile.cpp)
target_link_libraries(fuzz_help_file PRIVATE quenlow_shell_core)
