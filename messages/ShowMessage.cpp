#include "messages/ShowMessage.h"

#include "messages/ErrorOut.h"
#include "messages/MessageTable.h"

void ShowMessage(int id) { GetErrorOut().Write(GetMessageTable().Get(id)); }
