zm47_add_fuzzer(patchdrag LIBS zm47_data zm47_messages)
