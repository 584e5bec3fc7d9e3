#pragma once

#include "ui/app/StartupServices.h"

#include <memory>

class AppContext;
class TDM1;

// Connects the main window's start-up steps to the subsystems behind them. The data module is created
// after the main window, so the steps reach it through the pointer the caller fills in later.
StartupServices makeStartupServices(AppContext& context, const std::unique_ptr<TDM1>& dataModule);
