// A logic header that reaches into the console front end.
#pragma once
#include "ui/console/console_ui.hpp"
