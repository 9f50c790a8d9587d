zm47_add_fuzzer(syx LIBS zm47_engine zm47_data)
