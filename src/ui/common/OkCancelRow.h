#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;

// The " 확 인" and " 취 소" buttons at the right of a dialog's foot (objects OkBtn and CancelBtn): OK is the
// default button and runs confirm, Cancel rejects the dialog.
QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& confirm);
