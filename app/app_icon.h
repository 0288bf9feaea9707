#pragma once

#include <QIcon>

namespace app {

// The gear icon of both windows, in every size the program ships.
QIcon applicationIcon();

} // namespace app
