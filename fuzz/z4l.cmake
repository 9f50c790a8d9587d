zm47_add_fuzzer(z4l LIBS zm47_data zm47_messages)
