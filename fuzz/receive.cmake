zm47_add_fuzzer(receive LIBS zm47_engine)
