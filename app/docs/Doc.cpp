#include "app/docs/Doc.h"

CDoc::~CDoc() = default;
