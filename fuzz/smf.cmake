zm47_add_fuzzer(smf LIBS zm47_engine zm47_data)
