zm47_add_fuzzer(smf LIBS zm47_ml)
