#pragma once

#include <functional>

class QDialog;
class QLayout;

// The buttons of every search dialog: " 처음부터" searches from the first row (true), " 계속검색" from the row after
// the cursor (false), " 닫  기" closes the dialog.
QLayout* searchButtons(QDialog* dialog, const std::function<void(bool fromStart)>& search);
