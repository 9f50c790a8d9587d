zm47_add_fuzzer(tessan LIBS zm47_ml)
