zm47_add_fuzzer(library LIBS zm47_library)
