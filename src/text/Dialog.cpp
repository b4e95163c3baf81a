#include "text/Dialog.h"

void Dialog::loadDialog(Game&, const std::wstring&) {}
