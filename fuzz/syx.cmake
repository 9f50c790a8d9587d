zm47_add_fuzzer(syx LIBS zm47_ml)
