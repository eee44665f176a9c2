// Logic that draws with Qt.
#include <QPainter>
#include "loads/load_case.hpp"
